#include <QClipboard>
#include <QGuiApplication>
#include <QTextStream>

// Prints the text of the display's clipboard, so that a script can read what
// another program copied.
int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    QTextStream(stdout) << QGuiApplication::clipboard()->text();
    return 0;
}
