#include <QZKSearchBox.h>

#include <QtTest>

#include <algorithm>

class tst_QZKSearchBox : public QObject
{
    Q_OBJECT
private slots:
    void clearAction_data();
    void clearAction();
};

void tst_QZKSearchBox::clearAction_data()
{
    QTest::addColumn<bool>("searchLine");

    QTest::newRow("plain") << false;
    QTest::newRow("search line") << true;
}

// The clear action shows with text and clears it; the search line's magnifier never clears.
void tst_QZKSearchBox::clearAction()
{
    QFETCH(bool, searchLine);

    QZKSearchBox box;
    box.setSearchLineStyle(searchLine);
    box.show();
    QSignalSpy changes(&box, &QZKSearchBox::searchChanged);
    const QList<QAction *> actions = box.actions();
    const auto found = std::find_if(actions.cbegin(), actions.cend(), [](const QAction *action) {
        return action->toolTip() == QLatin1String("Clear");
    });
    QVERIFY(found != actions.cend());
    QAction *clear = *found;
    QCOMPARE(box.actions().size(), searchLine ? 2 : 1);
    QVERIFY(!clear->isVisible());

    QTest::keyClicks(&box, QStringLiteral("ab"));
    QVERIFY(clear->isVisible());
    clear->trigger();
    QVERIFY(box.text().isEmpty());
    QVERIFY(!clear->isVisible());
    QCOMPARE(changes.size(), 3);
    QCOMPARE(changes.last().first().toString(), QString());
}

QTEST_MAIN(tst_QZKSearchBox)
#include "tst_QZKSearchBox.moc"
