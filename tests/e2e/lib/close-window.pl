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
my ($display) = ($ENV{DISPLAY} // '') =~ /^:(\d+)/ or die "close-window.pl: DISPLAY must be a local display like :90\n";
my $x = IO::Socket::UNIX->new(Peer => "/tmp/.X11-unix/X$display") or die "close-window.pl: no display :$display: $!\n";
binmode $x;

sub read_exactly {
    my $data = '';
    while (length($data) < $_[0]) {
        sysread($x, $data, $_[0] - length($data), length($data)) or die "close-window.pl: connection closed\n";
    }
    return $data;
}

# Replies and errors are 32 bytes (plus extra words for replies).
sub reply {
    my $head = read_exactly(32);
    my ($kind, $code, $more) = unpack('C C x2 V', $head);
    die "close-window.pl: X error $code\n" if $kind == 0;
    read_exactly($more * 4) if $more;
    return $head;
}

sub intern_atom {
    my ($name) = @_;
    my $pad = (4 - length($name) % 4) % 4;
    syswrite($x, pack('C C v v x2', 16, 0, 2 + (length($name) + $pad) / 4, length($name)) . $name . ("\0" x $pad));
    return unpack('x8 V', reply());
}

# Connection set-up, little-endian, protocol 11.0, no authorisation.
syswrite($x, pack('a1 x v v v v x2', 'l', 11, 0, 0, 0));
my ($status, $extra) = unpack('C x5 v', read_exactly(8));
read_exactly($extra * 4);
die "close-window.pl: the X server refused the connection\n" unless $status == 1;

# SendEvent of a ClientMessage (33), format 32: data[0] WM_DELETE_WINDOW,
# data[1] CurrentTime. Event mask 0 delivers it to the window's owner. Then
# GetInputFocus as a round trip: an error of the SendEvent arrives first.
my $event = pack('C C v V V V V x12', 33, 32, 0, $window, intern_atom('WM_PROTOCOLS'), intern_atom('WM_DELETE_WINDOW'), 0);
syswrite($x, pack('C C v V V', 25, 0, 11, $window, 0) . $event);
syswrite($x, pack('C x v', 43, 1));
reply();
exit 0;
