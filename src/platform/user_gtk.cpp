// The USER back end on GTK 3: a real window with a native menu bar, GLib timeouts and GTK message dialogs.
#include "platform/user_common.h"

#include <gtk/gtk.h>

#include <cmath>
#include <cstdio>

namespace {

// One name for the program on the desktop: the .desktop file, the icon and the window's class.
constexpr char AppId[] = KV_APP_ID;

// The classic platform menu: a small face and tight items, so the three labels fit in one row above a
// board that is 299 pixels wide.
constexpr char MenuCss[] =
    "window.kvorinka menubar { font-family: \"Arial\", \"Liberation Sans\", sans-serif; font-size: 9pt;"
    "  padding: 0; }"
    "window.kvorinka menubar > menuitem { padding: 3px 5px; }";

struct GtkParts {
    GtkWidget* window;
    GtkWidget* area;
    cairo_surface_t* surface;  // the client surface's pixels, shown by the draw signal
};

GtkParts& PartsOf(UserWindow& w) { return *static_cast<GtkParts*>(w.backend); }

bool EnsureGtk() {
    static int ready = -1;
    if (ready < 0) {
        g_set_prgname(AppId);
        ready = gtk_init_check(nullptr, nullptr) ? 1 : 0;
        if (!ready) {
            std::fprintf(stderr, "%s: cannot open the display\n", AppId);
            return false;
        }
        gdk_set_program_class(AppId);
        gtk_window_set_default_icon_name(AppId);
        GtkCssProvider* css = gtk_css_provider_new();
        gtk_css_provider_load_from_data(css, MenuCss, -1, nullptr);
        gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(css),
                                                  GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
        g_object_unref(css);
    }
    return ready == 1;
}

// Texts stay Windows-1251 inside the game; GTK takes UTF-8.
std::string ToUtf8(const std::string& text) {
    gsize written = 0;
    gchar* converted =
        g_convert(text.data(), static_cast<gssize>(text.size()), "UTF-8", "WINDOWS-1251", nullptr, &written, nullptr);
    if (!converted) {
        // 0x98 is the one byte the code page leaves undefined; show what can be shown.
        gchar* valid = g_utf8_make_valid(text.c_str(), static_cast<gssize>(text.size()));
        std::string result = valid;
        g_free(valid);
        return result;
    }
    std::string result(converted, written);
    g_free(converted);
    return result;
}

// '&' marks a mnemonic in a menu label, '_' in GTK's; "&&" is a literal '&'.
std::string MnemonicLabel(const std::string& label) {
    std::string gtkLabel;
    for (std::size_t i = 0; i < label.size(); ++i) {
        char c = label[i];
        if (c == '&' && i + 1 < label.size() && label[i + 1] == '&') {
            gtkLabel += '&';
            ++i;
        } else if (c == '&') {
            gtkLabel += '_';
        } else if (c == '_') {
            gtkLabel += "__";
        } else {
            gtkLabel += c;
        }
    }
    return ToUtf8(gtkLabel);
}

HWND HandleFrom(gpointer data) { return static_cast<HWND>(data); }

void OnMenuActivate(GtkMenuItem* item, gpointer data) {
    if (UserModalActive()) return;
    auto id = static_cast<UINT_PTR>(GPOINTER_TO_UINT(g_object_get_data(G_OBJECT(item), "kv-command")));
    // A menu sends its identifier in the low word, notification code 0 in the high word, and no control.
    UserPostMessage(HandleFrom(data), WM_COMMAND, static_cast<WPARAM>(LOWORD(id)), 0);
}

// GTK keeps a menu bar open when an item is clicked quickly, waiting for a second click, as if every item
// had a drop-down; ours are commands, so the release of the click over the item chooses it.
gboolean OnMenuBarRelease(GtkWidget* bar, GdkEventButton* event, gpointer /*data*/) {
    GtkWidget* item = gtk_menu_shell_get_selected_item(GTK_MENU_SHELL(bar));
    if (!item) return FALSE;
    if (event->window == gtk_widget_get_window(bar)) {
        GtkAllocation a;
        gtk_widget_get_allocation(item, &a);
        if (event->x < a.x || event->y < a.y || event->x >= a.x + a.width || event->y >= a.y + a.height) return FALSE;
    }
    gtk_menu_shell_activate_item(GTK_MENU_SHELL(bar), item, TRUE);
    return TRUE;
}

gboolean OnButtonPress(GtkWidget* /*area*/, GdkEventButton* event, gpointer data) {
    // A double click reaches GTK as two presses plus a GDK_2BUTTON_PRESS; the class asks for no double
    // clicks, so only the presses themselves become messages.
    if (event->type != GDK_BUTTON_PRESS || event->button != GDK_BUTTON_PRIMARY) return FALSE;
    if (UserModalActive()) return TRUE;
    auto x = static_cast<int>(std::floor(event->x));
    auto y = static_cast<int>(std::floor(event->y));
    UserPostMessage(HandleFrom(data), WM_LBUTTONDOWN, 0x0001 /* MK_LBUTTON */, MAKELPARAM(x, y));
    return TRUE;
}

gboolean OnDraw(GtkWidget* /*area*/, cairo_t* cr, gpointer data) {
    UserWindow* w = UserFindWindow(HandleFrom(data));
    if (!w) return FALSE;
    cairo_set_source_surface(cr, PartsOf(*w).surface, 0, 0);
    // On a scaled display each client pixel becomes a block of device pixels, not a blur.
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    return TRUE;
}

gboolean OnDelete(GtkWidget* /*window*/, GdkEvent* /*event*/, gpointer data) {
    // Closing is the window procedure's business (WM_CLOSE); a window under a message box ignores it.
    if (!UserModalActive()) UserPostMessage(HandleFrom(data), WM_CLOSE, 0, 0);
    return TRUE;
}

struct TimerSource {
    HWND window;
    UINT_PTR id;
};

gboolean OnTimeout(gpointer data) {
    auto* source = static_cast<TimerSource*>(data);
    UserTimerDue(source->window, source->id);
    return G_SOURCE_CONTINUE;
}

void OnDialogResponse(GtkDialog* /*dialog*/, gint /*response*/, gpointer data) { *static_cast<bool*>(data) = true; }

}  // namespace

bool BackendCreateWindow(UserWindow& w) {
    if (!EnsureGtk()) return false;
    gpointer handle = UserHandle(&w);
    auto* parts = new GtkParts{};
    w.backend = parts;

    parts->window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    GtkWindow* window = GTK_WINDOW(parts->window);
    gtk_window_set_title(window, ToUtf8(w.title).c_str());
    gtk_window_set_resizable(window, FALSE);
    gtk_style_context_add_class(gtk_widget_get_style_context(parts->window), "kvorinka");
    g_signal_connect(parts->window, "delete-event", G_CALLBACK(OnDelete), handle);

    GtkWidget* box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
    gtk_container_add(GTK_CONTAINER(parts->window), box);
    if (w.menu) {
        GtkWidget* bar = gtk_menu_bar_new();
        for (const UserMenuItem& item : w.menu->items) {
            GtkWidget* menuItem = gtk_menu_item_new_with_mnemonic(MnemonicLabel(item.label).c_str());
            g_object_set_data(G_OBJECT(menuItem), "kv-command", GUINT_TO_POINTER(static_cast<guint>(item.id)));
            g_signal_connect(menuItem, "activate", G_CALLBACK(OnMenuActivate), handle);
            gtk_menu_shell_append(GTK_MENU_SHELL(bar), menuItem);
        }
        g_signal_connect(bar, "button-release-event", G_CALLBACK(OnMenuBarRelease), nullptr);
        gtk_box_pack_start(GTK_BOX(box), bar, FALSE, FALSE, 0);
    }

    parts->surface = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(w.pixels.data()),
                                                         CAIRO_FORMAT_RGB24, w.clientWidth, w.clientHeight,
                                                         w.clientWidth * 4);
    parts->area = gtk_drawing_area_new();
    gtk_widget_set_size_request(parts->area, w.clientWidth, w.clientHeight);
    gtk_widget_set_halign(parts->area, GTK_ALIGN_START);
    gtk_widget_add_events(parts->area, GDK_BUTTON_PRESS_MASK);
    g_signal_connect(parts->area, "draw", G_CALLBACK(OnDraw), handle);
    g_signal_connect(parts->area, "button-press-event", G_CALLBACK(OnButtonPress), handle);
    gtk_box_pack_start(GTK_BOX(box), parts->area, FALSE, FALSE, 0);
    gtk_widget_show_all(box);
    return true;
}

void BackendShowWindow(UserWindow& w) { gtk_widget_show(PartsOf(w).window); }

void BackendDestroyWindow(UserWindow& w) {
    auto* parts = static_cast<GtkParts*>(w.backend);
    if (!parts) return;
    gtk_widget_destroy(parts->window);
    cairo_surface_destroy(parts->surface);
    delete parts;
    w.backend = nullptr;
}

void BackendTitleChanged(UserWindow& w) { gtk_window_set_title(GTK_WINDOW(PartsOf(w).window), ToUtf8(w.title).c_str()); }

void BackendStartTimer(UserWindow& w, UserTimer& timer) {
    auto* source = new TimerSource{UserHandle(&w), timer.id};
    timer.source = g_timeout_add_full(G_PRIORITY_DEFAULT, timer.period, OnTimeout, source,
                                      [](gpointer data) { delete static_cast<TimerSource*>(data); });
}

void BackendStopTimer(UserWindow& /*w*/, UserTimer& timer) {
    if (timer.source) g_source_remove(timer.source);
    timer.source = 0;
}

void BackendSurfaceChanged(UserWindow& w, const RECT& area) {
    GtkParts& parts = PartsOf(w);
    cairo_surface_mark_dirty_rectangle(parts.surface, area.left, area.top, area.right - area.left,
                                       area.bottom - area.top);
    gtk_widget_queue_draw_area(parts.area, area.left, area.top, area.right - area.left, area.bottom - area.top);
}

void BackendWait() { g_main_context_iteration(nullptr, TRUE); }

void BackendMessageBox(UserWindow* owner, const char* text, const char* caption, UINT type) {
    if (!EnsureGtk()) return;
    GtkMessageType kind = GTK_MESSAGE_OTHER;
    const char* icon = nullptr;
    if ((type & 0xF0) == MB_ICONINFORMATION) {
        kind = GTK_MESSAGE_INFO;
        icon = "dialog-information";
    } else if ((type & 0xF0) == MB_ICONEXCLAMATION) {
        kind = GTK_MESSAGE_WARNING;
        icon = "dialog-warning";
    }
    GtkWindow* parent = owner ? GTK_WINDOW(PartsOf(*owner).window) : nullptr;
    GtkWidget* dialog = gtk_message_dialog_new(parent, GtkDialogFlags(GTK_DIALOG_MODAL | GTK_DIALOG_DESTROY_WITH_PARENT),
                                               kind, GTK_BUTTONS_OK, "%s", ToUtf8(text).c_str());
    gtk_window_set_title(GTK_WINDOW(dialog), ToUtf8(caption).c_str());
    if (icon) {
        // GTK 3 message dialogs no longer draw the icon of their type; put it left of the text as the box
        // the player expects has it.
        GtkWidget* row = gtk_widget_get_parent(gtk_message_dialog_get_message_area(GTK_MESSAGE_DIALOG(dialog)));
        GtkWidget* image = gtk_image_new_from_icon_name(icon, GTK_ICON_SIZE_DIALOG);
        gtk_widget_set_valign(image, GTK_ALIGN_START);
        gtk_box_pack_start(GTK_BOX(row), image, FALSE, FALSE, 0);
        gtk_box_reorder_child(GTK_BOX(row), image, 0);
        gtk_widget_show(image);
    }
    bool dismissed = false;
    g_signal_connect(dialog, "response", G_CALLBACK(OnDialogResponse), &dismissed);
    gtk_widget_show(dialog);
    // The box's own loop: the window's timer and paint messages go on; its input is thrown away.
    while (!dismissed) {
        MSG message;
        if (UserTakeMessage(&message, true)) {
            DispatchMessageA(&message);
        } else {
            g_main_context_iteration(nullptr, TRUE);
        }
    }
    gtk_widget_destroy(dialog);
}
