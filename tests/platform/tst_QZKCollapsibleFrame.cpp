#include <QZKCollapsibleFrame.h>

#include <QtTest>

class tst_QZKCollapsibleFrame : public QObject
{
    Q_OBJECT
private slots:
    void clickTitle_data();
    void clickTitle();
};

void tst_QZKCollapsibleFrame::clickTitle_data()
{
    QTest::addColumn<bool>("collapsible");
    QTest::addColumn<bool>("collapsed");
    QTest::newRow("expanded") << true << false;
    QTest::newRow("collapsed") << true << true;
    QTest::newRow("not collapsible") << false << true;
}

void tst_QZKCollapsibleFrame::clickTitle()
{
    QFETCH(bool, collapsible);
    QFETCH(bool, collapsed);

    // Collapsed before the pages arrive: they must still fold away.
    QZKCollapsibleFrame frame(QStringLiteral("Group"), collapsed);
    frame.setCollapsible(collapsible);
    frame.setCollapsed(collapsed); // ignored while not collapsible
    auto *page = new QWidget;
    auto *other = new QWidget;
    frame.addPage(page);
    frame.addPage(other);
    frame.addPage(page); // neither duplicated nor moved
    QLayout *pages = frame.widget()->layout();
    QCOMPARE(pages->count(), 2);
    QCOMPARE(pages->itemAt(0)->widget(), page);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QSignalSpy spy(&frame, &QZKCollapsibleFrame::collapsedChanged);
    auto *title = frame.findChild<QToolButton *>();
    QVERIFY(title->isVisible());

    for (int clicks = 0; clicks <= 2; ++clicks) {
        if (clicks > 0)
            QTest::mouseClick(title, Qt::LeftButton);
        const bool expected = collapsible && (clicks % 2 == 0 ? collapsed : !collapsed);
        QCOMPARE(frame.isCollapsed(), expected);
        QCOMPARE(page->isVisible(), !expected);
        QCOMPARE(spy.count(), collapsible ? clicks : 0);
        if (clicks > 0 && collapsible)
            QCOMPARE(spy.last().first().toBool(), expected);
    }
}

QTEST_MAIN(tst_QZKCollapsibleFrame)
#include "tst_QZKCollapsibleFrame.moc"
