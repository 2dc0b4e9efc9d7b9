#include <zkDialogCollection.h>
#include <zkKernelServiceFactory.h>
#include <zkPreferencesCategory.h>
#include <zkPreferencesService.h>
#include <zkPresetGUII.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

// Counts the requests that reach it; apply() also notes whether "key" still counted as changed.
class zkTestPreferencesPage : public zkPreferencesCategory
{
    Q_OBJECT
public:
    explicit zkTestPreferencesPage(const QString &name) : zkPreferencesCategory(name) { registerCategory(); }

    void setDefaults(bool) override { ++defaults; }
    void apply() override
    {
        ++applied;
        keyChangedInApply = isChanged(QStringLiteral("key"));
    }
    void updateGUI() override { ++updated; }
    void storeGUI() override { ++stored; }

    int defaults = 0;
    int applied = 0;
    int updated = 0;
    int stored = 0;
    bool keyChangedInApply = false;
};

// Runs answer on the modal dialog that the next call opens, or on null when it opens none.
void answerNextDialog(const std::function<void(QMessageBox *)> &answer)
{
    QTimer::singleShot(0, [answer] { answer(qobject_cast<QMessageBox *>(QApplication::activeModalWidget())); });
}

const QString dontShowKey = QStringLiteral("Animation dont show create curve dialog");

} // namespace

class tst_zkPresetsAndPreferences : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void presetSelection_data();
    void presetSelection();
    void presetRename_data();
    void presetRename();
    void pageFollowsNamedRequests_data();
    void pageFollowsNamedRequests();
    void unchangedUntilStoreOrApply();
    void inlineImageSequenceWarning();
    void createCurveDialogSuppression_data();
    void createCurveDialogSuppression();

private:
    std::unique_ptr<zkPreferencesService> m_preferences;
};

// Every case starts from an empty user file, as on the first start of the application.
void tst_zkPresetsAndPreferences::init()
{
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
        .remove(QStringLiteral("preferences.ini"));
    m_preferences = std::make_unique<zkPreferencesService>();
    m_preferences->useUserStorage();
    zkKernelServiceFactory::the().registerService(m_preferences.get());
}

void tst_zkPresetsAndPreferences::presetSelection_data()
{
    QTest::addColumn<QVector<int>>("rows");
    QTest::addColumn<bool>("single");
    QTest::addColumn<bool>("any");

    QTest::newRow("none") << QVector<int>{} << false << false;
    QTest::newRow("one") << QVector<int>{1} << true << true;
    QTest::newRow("two") << QVector<int>{2, 0} << false << true;
}

// The menu offers what the selection allows; the Delete key in the list names every selected
// preset, in selection order.
void tst_zkPresetsAndPreferences::presetSelection()
{
    QFETCH(QVector<int>, rows);
    QFETCH(bool, single);
    QFETCH(bool, any);
    zkPresetGUII dialog(nullptr);
    const QStringList names{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
    for (const QString &name : names)
        dialog.addPreset(name);
    auto *list = dialog.findChild<QListWidget *>();
    QVector<QString> selected;
    for (int row : rows) {
        list->item(row)->setSelected(true);
        selected.append(names.at(row));
    }

    const QList<QAction *> actions = dialog.findChild<QMenu *>()->actions();
    QCOMPARE(actions.size(), 3);
    QCOMPARE(actions.at(0)->isEnabled(), single);
    QCOMPARE(actions.at(1)->isEnabled(), single);
    QCOMPARE(actions.at(2)->isEnabled(), any);

    QSignalSpy activated(&dialog, &zkPresetGUII::presetActivated);
    QSignalSpy deleted(&dialog, &zkPresetGUII::presetsDeleted);
    dialog.activatePreset();
    QCOMPARE(activated.count(), single ? 1 : 0);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(deleted.count(), any ? 1 : 0);
    if (any)
        QCOMPARE(deleted.first().first().value<QVector<QString>>(), selected);
    QCOMPARE(list->count(), names.size());
}

void tst_zkPresetsAndPreferences::presetRename_data()
{
    QTest::addColumn<QString>("newName");
    QTest::addColumn<bool>("emitted");

    QTest::newRow("new name") << QStringLiteral("B") << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("same name") << QStringLiteral("A") << false;
}

void tst_zkPresetsAndPreferences::presetRename()
{
    QFETCH(QString, newName);
    QFETCH(bool, emitted);
    zkPresetGUII dialog(nullptr);
    dialog.addPreset(QStringLiteral("A"));
    QSignalSpy renamed(&dialog, &zkPresetGUII::presetRenamed);
    dialog.findChild<QListWidget *>()->item(0)->setText(newName);
    QCOMPARE(renamed.count(), emitted ? 1 : 0);
    if (emitted)
        QCOMPARE(renamed.first(), QVariantList({QStringLiteral("A"), newName}));
}

void tst_zkPresetsAndPreferences::pageFollowsNamedRequests_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("calls");

    QTest::newRow("every page") << QString() << 1;
    QTest::newRow("this page") << QStringLiteral("Page") << 1;
    QTest::newRow("another page") << QStringLiteral("Other") << 0;
}

void tst_zkPresetsAndPreferences::pageFollowsNamedRequests()
{
    QFETCH(QString, name);
    QFETCH(int, calls);
    zkTestPreferencesPage page(QStringLiteral("Page"));
    QCOMPARE(m_preferences->getCategory(QStringLiteral("Page")), &page);
    m_preferences->setDefaults(name);
    m_preferences->apply(name);
    m_preferences->updateGUI(name);
    m_preferences->storeGUI();
    QCOMPARE(page.defaults, calls);
    QCOMPARE(page.applied, calls);
    QCOMPARE(page.updated, calls);
    QCOMPARE(page.stored, 1);
}

// A write of the value already stored marks its key unchanged; a store, an apply of this page,
// and a forced apply already while it runs, count it as changed again.
void tst_zkPresetsAndPreferences::unchangedUntilStoreOrApply()
{
    zkTestPreferencesPage page(QStringLiteral("Page"));
    const QString key = QStringLiteral("key");
    page.setIntValue(key, 5);
    QVERIFY(page.isChanged(key));
    page.setIntValue(key, 5);
    QVERIFY(!page.isChanged(key));
    QCOMPARE(page.getIntValue(key, 0), 5);

    m_preferences->storeGUI();
    QVERIFY(page.isChanged(key));

    page.setIntValue(key, 5);
    m_preferences->apply(QStringLiteral("Other"));
    QVERIFY(!page.isChanged(key));
    m_preferences->apply(QStringLiteral("Page"));
    QVERIFY(!page.keyChangedInApply);
    QVERIFY(page.isChanged(key));

    page.setIntValue(key, 5);
    m_preferences->apply(QStringLiteral("Page"), true);
    QVERIFY(page.keyChangedInApply);
}

void tst_zkPresetsAndPreferences::inlineImageSequenceWarning()
{
    QString title;
    QString text;
    answerNextDialog([&](QMessageBox *box) {
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        QCOMPARE(box->icon(), QMessageBox::Warning);
        QCOMPARE(box->standardButtons(), QMessageBox::Ok);
        box->button(QMessageBox::Ok)->click();
    });
    zkDialogCollection::openResetInlineImageSequenceWarningDialog();
    QCOMPARE(title, QStringLiteral("Inline image sequence"));
    QCOMPARE(text, QStringLiteral("Couldn't switch back from inlined mode, because the original image sequence "
                                  "is not existing any more. Please correct the path, save or delete the texture "
                                  "before!\n"));
}

void tst_zkPresetsAndPreferences::createCurveDialogSuppression_data()
{
    QTest::addColumn<bool>("tick");

    QTest::newRow("ticked") << true;
    QTest::newRow("not ticked") << false;
}

// A ticked "Don't show again" is stored, saved and announced to the pages, and holds for the next
// call and for the next start of the application.
void tst_zkPresetsAndPreferences::createCurveDialogSuppression()
{
    QFETCH(bool, tick);
    QSignalSpy refreshed(m_preferences.get(), &zkPreferencesService::preferencesChanged);
    answerNextDialog([&](QMessageBox *box) {
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QStringLiteral("Create Animation Curve"));
        QCOMPARE(box->text(), QStringLiteral("An Animation Curve for the image sequence is created in the Curve Editor."));
        QCOMPARE(box->checkBox()->text(), QStringLiteral("Don't show again"));
        QCOMPARE(box->buttons().size(), 1);
        QCOMPARE(box->buttons().first()->text(), QStringLiteral("Ok"));
        box->checkBox()->setChecked(tick);
        box->buttons().first()->click();
    });
    zkDialogCollection::openCreateAnimationCurveDialog();
    QCOMPARE(m_preferences->getBoolValue(dontShowKey), tick);
    QCOMPARE(refreshed.count(), tick ? 1 : 0);
    if (tick)
        QCOMPARE(refreshed.first().first().toString(), QString());

    bool shownAgain = false;
    answerNextDialog([&](QMessageBox *box) {
        shownAgain = box;
        if (box)
            box->buttons().first()->click();
    });
    zkDialogCollection::openCreateAnimationCurveDialog();
    QCoreApplication::processEvents();
    QCOMPARE(shownAgain, !tick);

    zkPreferencesService restarted;
    restarted.useUserStorage();
    QCOMPARE(restarted.getBoolValue(dontShowKey), tick);
}

QTEST_MAIN(tst_zkPresetsAndPreferences)
#include "tst_zkPresetsAndPreferences.moc"
