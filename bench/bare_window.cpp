// The smallest program that does what Kelvane's start-up must: an SDL2
// window drawn with Cairo, one line of Japanese text set with Pango, shown
// once.  bench/run.sh times it against Kelvane's first menu frame.
//
//   bench_bare_window          exits as soon as the first frame is shown
//   bench_bare_window --stay   keeps the window until it is closed
#include <SDL.h>
#include <cairo.h>
#include <pango/pangocairo.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    bool stay = argc > 1 && std::strcmp(argv[1], "--stay") == 0;
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "bench_bare_window: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Rect area{0, 0, 1440, 900};
    SDL_GetDisplayUsableBounds(0, &area);
    SDL_Window* window = SDL_CreateWindow("Bare", area.x, area.y, area.w, area.h,
                                          SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED | SDL_WINDOW_SHOWN);
    if (!window) return 1;
    SDL_Surface* target = SDL_GetWindowSurface(window);
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, target->w, target->h);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* desc = pango_font_description_from_string("IPAGothic Bold 32px");
    pango_layout_set_font_description(layout, desc);
    pango_layout_set_text(layout, "次の式を計算しなさい。", -1);
    cairo_move_to(cr, 40, 40);
    pango_cairo_show_layout(cr, layout);
    cairo_surface_flush(surface);
    SDL_Surface* wrap = SDL_CreateRGBSurfaceWithFormatFrom(cairo_image_surface_get_data(surface), target->w,
                                                           target->h, 32, cairo_image_surface_get_stride(surface),
                                                           SDL_PIXELFORMAT_RGB888);
    SDL_BlitSurface(wrap, nullptr, target, nullptr);
    SDL_UpdateWindowSurface(window);
    while (stay) {
        SDL_Event e;
        if (SDL_WaitEvent(&e) && (e.type == SDL_QUIT ||
                                  (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_CLOSE)))
            break;
    }
    SDL_FreeSurface(wrap);
    g_object_unref(layout);
    pango_font_description_free(desc);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
