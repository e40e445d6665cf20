#!/usr/bin/perl
# Asks a window to close the way a window manager does: a WM_DELETE_WINDOW
# client message. Xvfb runs no window manager and `xdotool windowclose`
# destroys the window instead, so this speaks the X protocol directly over
# the display's local socket (Xvfb is started without access control).
#
# usage: close-window.pl WINDOW_ID    (decimal or 0x hex; display from $DISPLAY)
use strict;
use warnings;
use IO::Socket::UNIX;

my $window = shift @ARGV // die "usage: close-window.pl WINDOW_ID\n";
$window = oct($window) if $window =~ /^0x/i;
my ($display) = ($ENV{DISPLAY} // '') =~ /^:(\d+)/
    or die "close-window.pl: DISPLAY must be a local display like :90\n";

my $x = IO::Socket::UNIX->new(Peer => "/tmp/.X11-unix/X$display")
    or die "close-window.pl: cannot connect to display :$display: $!\n";
binmode $x;

sub read_exactly {
    my ($count) = @_;
    my $data = '';
    while (length($data) < $count) {
        my $got = sysread($x, $data, $count - length($data), length($data));
        die "close-window.pl: connection closed\n" unless $got;
    }
    return $data;
}

sub pad4 { my ($n) = @_; return (4 - $n % 4) % 4; }

# Connection set-up, little-endian, protocol 11.0, no authorisation.
syswrite($x, pack('a1 x v v v v x2', 'l', 11, 0, 0, 0));
my ($status, undef, undef, undef, $extra) = unpack('C C v v v', read_exactly(8));
read_exactly($extra * 4);
die "close-window.pl: the X server refused the connection\n" unless $status == 1;

# Replies and errors are 32 bytes (plus extra words for replies).
sub reply {
    my $head = read_exactly(32);
    my ($kind, $code) = unpack('C C', $head);
    die "close-window.pl: X error $code\n" if $kind == 0;
    my $more = unpack('x4 V', $head);
    read_exactly($more * 4) if $more;
    return $head;
}

sub intern_atom {
    my ($name) = @_;
    my $n = length($name);
    my $words = 2 + ($n + pad4($n)) / 4;
    syswrite($x, pack('C C v v x2', 16, 0, $words, $n) . $name . ("\0" x pad4($n)));
    return unpack('x8 V', reply());
}

my $protocols = intern_atom('WM_PROTOCOLS');
my $delete = intern_atom('WM_DELETE_WINDOW');

# SendEvent of a ClientMessage (33), format 32: data[0] WM_DELETE_WINDOW,
# data[1] CurrentTime. Event mask 0 delivers it to the window's owner.
my $event = pack('C C v V V V V x12', 33, 32, 0, $window, $protocols, $delete, 0);
syswrite($x, pack('C C v V V', 25, 0, 11, $window, 0) . $event);

# GetInputFocus as a round trip: an error of the SendEvent arrives first.
syswrite($x, pack('C x v', 43, 1));
reply();
close($x);
exit 0;
