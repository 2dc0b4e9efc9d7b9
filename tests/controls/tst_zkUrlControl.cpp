#include <zkUrlControl.h>

#include <QSourceEditor.h>
#include <zkPropertyEditorFactory.h>
#include <zkPropertyEditorWidget.h>
#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkUndoStack.h>
#include <zkdObjectManager.h>
#include <zkdSceneplateNode.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

class tst_zkUrlControl : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void write_data();
    void write();
    void htmlCode();

private:
    QStringList urls() const;

    QTemporaryDir m_dir;
    QList<zkdSceneplateNode> m_plates;
    std::unique_ptr<zkPropertyEditorWidget> m_editor;
    zkUrlControl *m_control = nullptr;
};

// Two plates, so that every write is checked to reach the whole selection.
void tst_zkUrlControl::init()
{
    zkUndoStack::instance()->clear();
    m_plates = {zkdObjectManager::create<zkdSceneplateNode>(), zkdObjectManager::create<zkdSceneplateNode>()};
    for (const zkdSceneplateNode &plate : qAsConst(m_plates))
        plate.setProperty("url", QStringLiteral("http://old.org"));
    m_editor = std::make_unique<zkPropertyEditorWidget>(nullptr, QList<zkPropertyEditorFactory *>());
    auto *factory = new zkPropertyEditorFactory;
    factory->registerEditor<zkdSceneplateNode, QString, zkUrlControl>("url");
    m_editor->setFactories({factory});
    m_editor->setKeepProperties({"url"});
    m_editor->setCurrentObjects({new zkPropertyEditorZkdObjectWrapper(m_plates.at(0)),
                                 new zkPropertyEditorZkdObjectWrapper(m_plates.at(1))});
    m_control = qobject_cast<zkUrlControl *>(m_editor->getControl("url"));
}

QStringList tst_zkUrlControl::urls() const
{
    return {m_plates.at(0).property("url").toString(), m_plates.at(1).property("url").toString()};
}

using Action = std::function<void(zkUrlControl *, const QString &page)>;
Q_DECLARE_METATYPE(Action)

void tst_zkUrlControl::write_data()
{
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("expected"); // "FILE" stands for the page's file URL

    const auto type = [](const QString &text) -> Action {
        return [text](zkUrlControl *control, const QString &page) {
            control->getLineEdit()->selectAll();
            QTest::keyClicks(control->getLineEdit(), QString(text).replace(QLatin1String("FILE"), page));
            QTest::keyClick(control->getLineEdit(), Qt::Key_Return);
        };
    };
    const auto choose = [](bool accept) -> Action {
        return [accept](zkUrlControl *control, const QString &page) {
            QTimer::singleShot(0, [accept, page] {
                QDialog *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                static_cast<QFileDialog *>(dialog)->selectFile(page);
                accept ? dialog->accept() : dialog->reject();
            });
            control->getOpenFileButton()->click();
        };
    };
    qputenv("ZK_URL_TEST_DIR", m_dir.path().toLocal8Bit());
    QTest::newRow("bare host") << type("example.com") << "http://example.com";
    QTest::newRow("host and query") << type("example.com/a?q=1") << "http://example.com/a?q=1";
    QTest::newRow("other scheme") << type("ftp://example.com/x") << "ftp://example.com/x";
    QTest::newRow("existing file") << type("FILE") << "FILE";
    QTest::newRow("variable in path") << type("$(ZK_URL_TEST_DIR)/p.html") << "$(ZK_URL_TEST_DIR)/p.html";
    QTest::newRow("no URL") << type("a b<c>") << "a b<c>";
    QTest::newRow("file chosen") << choose(true) << "FILE";
    QTest::newRow("file dialog cancelled") << choose(false) << "http://old.org";
    QTest::newRow("cleared") << Action([](zkUrlControl *c, const QString &) { c->getClearButton()->click(); })
                             << "";
}

// One undo step for the selection; the refresh shows the value and whether clearing is possible.
void tst_zkUrlControl::write()
{
    QFETCH(Action, action);
    QFETCH(QString, expected);

    const QString page = m_dir.filePath(QStringLiteral("page.html"));
    QFile file(page);
    QVERIFY(file.open(QIODevice::WriteOnly));
    expected.replace(QLatin1String("FILE"), QString::fromLatin1(QUrl::fromLocalFile(page).toEncoded()));
    action(m_control, page);
    QCOMPARE(urls(), QStringList({expected, expected}));
    QCOMPARE(m_control->getLineEdit()->text(), expected);
    QCOMPARE(m_control->getClearButton()->isEnabled(), !expected.isEmpty());
    const bool changed = expected != QLatin1String("http://old.org");
    QCOMPARE(zkUndoStack::instance()->count(), changed ? 1 : 0);
    zkUndoStack::instance()->undo();
    QCOMPARE(urls(), QStringList({"http://old.org", "http://old.org"}));
}

// Code with line breaks is edited only in the source editor, whose "Apply" writes it as typed.
void tst_zkUrlControl::htmlCode()
{
    const QString code = QStringLiteral("<html>\n<body>Hi</body>\n</html>");
    m_control->getEditButton()->click();
    QVERIFY(m_control->getHtmlEditor()->isVisible());
    QVERIFY(!m_control->getEditButton()->isEnabled());
    m_control->getSourceEditor()->setText(code);
    m_control->getHtmlEditor()->findChild<QPushButton *>()->click();
    QCOMPARE(urls(), QStringList({code, code}));
    QVERIFY(!m_control->getLineEdit()->isEnabled());

    m_control->getHtmlEditor()->reject();
    QVERIFY(m_control->getEditButton()->isEnabled());
    zkUndoStack::instance()->undo();
    QVERIFY(m_control->getLineEdit()->isEnabled());
    QCOMPARE(m_control->getSourceEditor()->text(), QStringLiteral("http://old.org"));
}

QTEST_MAIN(tst_zkUrlControl)
#include "tst_zkUrlControl.moc"
