#include <QClipboard>
#include <QGuiApplication>
#include <QTextStream>

// Prints the display's clipboard text, for a script to read what another program copied.
int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    QTextStream(stdout) << QGuiApplication::clipboard()->text();
    return 0;
}
