// The floor for the start-up benchmark: the least a GTK 3 program does to show a 299 x 299 white area.
#include <gtk/gtk.h>

int main(int argc, char** argv) {
    gtk_init(&argc, &argv);
    GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(window), "floor");
    gtk_window_set_resizable(GTK_WINDOW(window), FALSE);
    GtkWidget* area = gtk_drawing_area_new();
    gtk_widget_set_size_request(area, 299, 299);
    g_signal_connect(area, "draw", G_CALLBACK(+[](GtkWidget*, cairo_t* cr, gpointer) -> gboolean {
                         cairo_set_source_rgb(cr, 1, 1, 1);
                         cairo_paint(cr);
                         return TRUE;
                     }),
                     nullptr);
    gtk_container_add(GTK_CONTAINER(window), area);
    g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), nullptr);
    gtk_widget_show_all(window);
    gtk_main();
    return 0;
}
