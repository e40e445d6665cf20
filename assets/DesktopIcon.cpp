// The desktop icons: the window icon's whirligig, drawn at full colour depth
// on a round velvet backdrop with a gold rim, so that it reads on light and
// dark menus alike.
#include "DesktopIcon.h"

#include <sys/stat.h>

#include "Draw.h"
#include "IconPainter.h"
#include "Style.h"

bool writeDesktopIcon(const std::string& path, int size) {
    if (size < 16 || size > 1024) return false;
    Canvas c(size, size);
    c.unitSpace();
    cairo_t* cr = c.cr();
    Draw::circle(cr, 0, 0, 0.94);
    Draw::fillRadial(cr, -0.25, 0.3, 0.05, 1.0, Style::dusk, Style::night);
    Draw::circle(cr, 0, 0, 0.94);
    Draw::outline(cr, Style::gold, 0.08);
    cairo_save(cr);
    cairo_scale(cr, 0.8, 0.8);
    paintWhirligig(cr);
    cairo_restore(cr);
    cairo_surface_flush(c.surface());
    return cairo_surface_write_to_png(c.surface(), path.c_str()) == CAIRO_STATUS_SUCCESS;
}

bool writeDesktopIcons(const std::string& directory) {
    mkdir(directory.c_str(), 0755);
    bool ok = true;
    for (const int size : desktopIconSizes) {
        const std::string sized = directory + "/" + std::to_string(size) + "x" + std::to_string(size);
        mkdir(sized.c_str(), 0755);
        ok = writeDesktopIcon(sized + "/velvetarium.png", size) && ok;
    }
    return ok;
}
