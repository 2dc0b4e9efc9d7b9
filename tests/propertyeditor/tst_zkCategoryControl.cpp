#include <zkCategoryControl.h>
#include <zkControlOptions.h>
#include <zkPropertyEditorFactory.h>
#include <zkPropertyEditorWidget.h>

#include <QTabBar>
#include <QVBoxLayout>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

// Inside a window of its own: the editor fixes its own height, which a top-level widget would
// hand on to the platform.
std::unique_ptr<zkPropertyEditorWidget> createEditor(QWidget *window, bool verticalScroll)
{
    return std::make_unique<zkPropertyEditorWidget>(window, QList<zkPropertyEditorFactory *>{new zkPropertyEditorFactory},
                                                    verticalScroll, false);
}

// Content of a given minimum height in the category's main layout.
void addContent(zkCategoryControl *category, int height)
{
    auto *content = new QWidget(category->getMainWidget());
    content->setMinimumHeight(height);
    category->getMainLayout()->addWidget(content);
}

int tabsHeight(const QTabWidget &tabs)
{
    int height = 0;
    for (int i = 0; i < tabs.count(); ++i)
        height += tabs.tabBar()->tabRect(i).height();
    return height;
}

} // namespace

class tst_zkCategoryControl : public QObject
{
    Q_OBJECT

private slots:
    void height_data();
    void height();
};

void tst_zkCategoryControl::height_data()
{
    QTest::addColumn<int>("tabs");
    QTest::addColumn<int>("contentHeight");

    QTest::newRow("contents taller than the tabs") << 2 << 400;
    QTest::newRow("tabs taller than the contents") << 3 << 5;
    QTest::newRow("single tab") << 1 << 5;
}

void tst_zkCategoryControl::height()
{
    QFETCH(int, tabs);
    QFETCH(int, contentHeight);

    QWidget window;
    const std::unique_ptr<zkPropertyEditorWidget> editor = createEditor(&window, false);
    zkzkCategoryOptionsControlOptions options;
    options.label = QStringLiteral("A long category title");
    QList<zkCategoryControl *> categories;
    for (int i = 0; i < tabs; ++i)
        categories << new zkCategoryControl(editor.get(), "Cat" + QByteArray::number(i), &options, true);
    addContent(categories.first(), contentHeight);
    editor->tabBar()->setVisible(tabs > 1);
    window.show();

    zkCategoryControl *category = categories.first();
    const int contentsHint = category->widget()->minimumSizeHint().height();
    const int expected = std::max(contentsHint, tabs > 1 ? tabsHeight(*editor) : 0);
    QVERIFY(contentsHint >= contentHeight);
    QTRY_COMPARE(category->height(), expected);
    QCOMPARE(category->maximumHeight(), expected);
    QCOMPARE(category->parentWidget()->maximumHeight(), expected);
    QCOMPARE(editor->minimumHeight(), expected);
    QCOMPARE(editor->maximumHeight(), expected);
}

QTEST_MAIN(tst_zkCategoryControl)
#include "tst_zkCategoryControl.moc"
