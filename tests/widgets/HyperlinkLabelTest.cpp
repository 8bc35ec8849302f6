// The hyperlink label: its colour states, cursor and tooltip, and what a
// click does when opening works and when it fails.
#include "widgets/HyperlinkLabel.h"

#include <QDir>
#include <QEnterEvent>
#include <QTemporaryDir>
#include <QtTest>

using namespace varkel;

namespace {

void Enter(QWidget& w) {
    QEnterEvent event(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(&w, &event);
}

void Leave(QWidget& w) {
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&w, &event);
}

QColor Drawn(const HyperlinkLabel& label) {
    return label.palette().color(QPalette::WindowText);
}

} // namespace

class HyperlinkLabelTest : public QObject {
    Q_OBJECT
private slots:
    void StartsAsALink() {
        HyperlinkLabel label(QStringLiteral("https://example.org/x"));
        QCOMPARE(label.GetTarget(), QStringLiteral("https://example.org/x"));
        QCOMPARE(label.toolTip(), QStringLiteral("https://example.org/x"));
        QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(label.font().underline());
        QCOMPARE(label.GetLinkColour(), QColor(0, 0, 238));
        QCOMPARE(label.GetVisitedColour(), QColor(85, 26, 139));
        QCOMPARE(Drawn(label), QColor(0, 0, 238));
    }

    void HoverVisitedAndBack() {
        HyperlinkLabel label(QStringLiteral("https://example.org/"));
        label.SetHoverColour(QColor(10, 200, 30));
        QStringList openedTargets;
        label.SetOpener([&](const QString& t) {
            openedTargets << t;
            return 42;
        });
        label.show();

        Enter(label);
        QVERIFY(label.IsOverControl());
        QCOMPARE(Drawn(label), QColor(10, 200, 30));
        Leave(label);
        QCOMPARE(Drawn(label), QColor(0, 0, 238));

        Enter(label);
        QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(openedTargets, QStringList{QStringLiteral("https://example.org/")});
        QVERIFY(label.IsVisited());
        QCOMPARE(Drawn(label), QColor(10, 200, 30)); // still under the pointer
        Leave(label);
        QCOMPARE(Drawn(label), QColor(85, 26, 139));
        Enter(label);
        Leave(label);
        QCOMPARE(Drawn(label), QColor(85, 26, 139)); // visited for good
    }

    void FailureIsReportedWithTheReason_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not found") << 2 << "The specified file was not found.";
        QTest::newRow("sharing") << 26 << "A sharing violation occurred. ";
        QTest::newRow("no program")
            << 31 << "There is no application associated\nwith the given filename extension.";
        QTest::newRow("memory") << 0 << "The operating system is out\nof memory or resources.";
        QTest::newRow("other") << 12 << "Unknown Error (12) occurred.";
    }
    void FailureIsReportedWithTheReason() {
        QFETCH(int, code);
        QFETCH(QString, reason);
        HyperlinkLabel label(QStringLiteral("somewhere"));
        label.SetOpener([code](const QString&) { return code; });
        QStringList reports;
        label.SetReporter([&](const QString& text) { reports << text; });
        label.show();
        QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(reports, QStringList{QStringLiteral("Unable to open hyperlink:\n\n") + reason});
        QVERIFY(!label.IsVisited());
        QCOMPARE(Drawn(label), QColor(0, 0, 238));
    }

    void RightButtonDoesNotOpen() {
        HyperlinkLabel label(QStringLiteral("x"));
        int calls = 0;
        label.SetOpener([&](const QString&) { return ++calls, 33; });
        label.show();
        QTest::mouseClick(&label, Qt::RightButton, {}, QPoint(2, 2));
        QCOMPARE(calls, 0);
    }

    void DesktopOpenerNamesMissingFiles() {
        QTemporaryDir dir;
        QCOMPARE(HyperlinkLabel::OpenWithDesktop(dir.filePath(QStringLiteral("gone.html"))), 2);
        QCOMPARE(HyperlinkLabel::OpenWithDesktop(dir.filePath(QStringLiteral("a/b/gone.html"))), 3);
    }
};

QTEST_MAIN(HyperlinkLabelTest)
#include "HyperlinkLabelTest.moc"
