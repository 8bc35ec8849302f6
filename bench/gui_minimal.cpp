// The yardstick of bench/gui_startup.sh: the least a Qt Widgets program does
// to start, show a main window with a dock, a tree and a table, write a
// picture of it and end. Usage: gui_minimal OUT.png [--chinese]
// With --chinese the entries are Chinese, as the program's window is in its
// default language: the same window then pays for a CJK font.
#include <QApplication>
#include <QDockWidget>
#include <QMainWindow>
#include <QPixmap>
#include <QTableWidget>
#include <QTreeWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const bool chinese = argc > 2 && QString::fromLatin1(argv[2]) == QLatin1String("--chinese");
    const QString entry = chinese ? QStringLiteral("条目 %1") : QStringLiteral("Entry %1");
    QMainWindow window;
    auto* dock =
        new QDockWidget(chinese ? QStringLiteral("配置") : QStringLiteral("Tree"), &window);
    auto* tree = new QTreeWidget(dock);
    tree->setHeaderHidden(true);
    for (int i = 0; i < 8; ++i)
        new QTreeWidgetItem(tree, {entry.arg(i)});
    dock->setWidget(tree);
    window.addDockWidget(Qt::LeftDockWidgetArea, dock);
    auto* table = new QTableWidget(12, 2, &window);
    for (int row = 0; row < 12; ++row)
        for (int column = 0; column < 2; ++column)
            table->setItem(row, column, new QTableWidgetItem(QStringLiteral("%1").arg(row)));
    window.setCentralWidget(table);
    window.resize(980, 660);
    window.show();
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
