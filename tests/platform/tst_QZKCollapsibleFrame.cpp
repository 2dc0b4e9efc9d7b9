#include <QZKCollapsibleFrame.h>

#include <QtTest>

namespace {

QToolButton *titleOf(const QZKCollapsibleFrame &frame)
{
    return frame.findChild<QToolButton *>();
}

} // namespace

class tst_QZKCollapsibleFrame : public QObject
{
    Q_OBJECT
private slots:
    void addPageTwiceKeepsOne();
    void clickTogglesCollapsed_data();
    void clickTogglesCollapsed();
    void collapsedBeforePageAdded();
    void notCollapsibleStaysExpanded();
};

void tst_QZKCollapsibleFrame::addPageTwiceKeepsOne()
{
    QZKCollapsibleFrame frame(QStringLiteral("Group"), false, nullptr);
    auto *first = new QWidget(&frame);
    auto *second = new QWidget(&frame);
    frame.addPage(first);
    frame.addPage(second);
    frame.addPage(first);

    // Adding again neither duplicates nor moves the page.
    QCOMPARE(first->parentWidget(), frame.widget());
    QLayout *layout = frame.widget()->layout();
    QCOMPARE(layout->count(), 2);
    QCOMPARE(layout->itemAt(0)->widget(), first);
    QCOMPARE(layout->itemAt(1)->widget(), second);
}

void tst_QZKCollapsibleFrame::clickTogglesCollapsed_data()
{
    QTest::addColumn<bool>("initiallyCollapsed");
    QTest::newRow("expanded") << false;
    QTest::newRow("collapsed") << true;
}

void tst_QZKCollapsibleFrame::clickTogglesCollapsed()
{
    QFETCH(bool, initiallyCollapsed);

    QZKCollapsibleFrame frame(QStringLiteral("Group"), false, nullptr);
    auto *page = new QWidget;
    frame.setCollapsible(true);
    frame.setCollapsed(initiallyCollapsed);
    frame.addPage(page);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QSignalSpy spy(&frame, &QZKCollapsibleFrame::collapsedChanged);

    QTest::mouseClick(titleOf(frame), Qt::LeftButton);
    QCOMPARE(frame.isCollapsed(), !initiallyCollapsed);
    QCOMPARE(page->isVisible(), initiallyCollapsed);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toBool(), !initiallyCollapsed);

    QTest::mouseClick(titleOf(frame), Qt::LeftButton);
    QCOMPARE(frame.isCollapsed(), initiallyCollapsed);
    QCOMPARE(page->isVisible(), !initiallyCollapsed);
}

void tst_QZKCollapsibleFrame::collapsedBeforePageAdded()
{
    QZKCollapsibleFrame frame(QStringLiteral("Group"), true, nullptr);
    QVERIFY(frame.isCollapsed());
    auto *page = new QWidget;
    frame.addPage(page);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QVERIFY(!page->isVisible());
    QVERIFY(titleOf(frame)->isVisible());
}

void tst_QZKCollapsibleFrame::notCollapsibleStaysExpanded()
{
    QZKCollapsibleFrame frame(QStringLiteral("Group"), true, nullptr);
    frame.setCollapsible(false);
    QVERIFY(!frame.isCollapsed());

    frame.setCollapsed(true);
    QTest::mouseClick(titleOf(frame), Qt::LeftButton);
    QVERIFY(!frame.isCollapsed());
}

QTEST_MAIN(tst_QZKCollapsibleFrame)
#include "tst_QZKCollapsibleFrame.moc"
