#include <zkGhostItem.h>
#include <zkGhostLineEditor.h>
#include <zkLensFlareGhostLineControl.h>
#include <zkLensFlareGhostLineScrollArea.h>

#include <zkKernelServiceFactory.h>
#include <zkLightService.h>
#include <zkPropertyEditorFactory.h>
#include <zkPropertyEditorObjectWrapper.h>
#include <zkPropertyEditorWidget.h>
#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkUndoStack.h>
#include <zkdLensFlareEffect.h>
#include <zkdLensFlareGhost.h>
#include <zkdLensFlareGhostLine.h>
#include <zkdObjectManager.h>

#include <QAction>
#include <QGraphicsRectItem>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

using Ghosts = QList<zkdLensFlareGhost>;
using Elements = QList<zkdLensFlareElement>;

class tst_zkLensFlareGhostLineControl : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void construction();
    void followsElementSelection_data();
    void followsElementSelection();
    void select_data();
    void select();
    void drag_data();
    void drag();
    void createAtMenuPosition_data();
    void createAtMenuPosition();
    void deleteUnderMouse_data();
    void deleteUnderMouse();
    void clipboard_data();
    void clipboard();
    void zoomAndFit_data();
    void zoomAndFit();
    void wheelKeepsPointUnderMouse();
    void mouseGestures_data();
    void mouseGestures();

private:
    zkLightService *lights() const { return zkKernelServiceFactory::the().getService<zkLightService>(); }
    zkUndoStack *stack() const { return zkUndoStack::instance(); }
    zkGhostLineEditor *strip() const { return m_control->getGhostLineEditor(); }
    QWidget *viewport() const { return strip()->viewport(); }
    zkLensFlareGhostLineScrollArea *scrollArea() const { return m_control->getScrollArea(); }
    // The viewport pixel of a strip position.
    QPoint at(double x, double y = 0.0) const { return strip()->mapFromScene(QPointF(x, y)); }
    void moveMouse(const QPoint &position, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = {});
    // To a point on screen, which stays put while the strip scrolls under it.
    void moveMouseTo(const QPoint &globalPosition, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void runMenu(const QPoint &position, const QString &actionText);
    Ghosts shownGhosts() const;
    QList<double> markerPositions() const;
    QList<double> distances() const;

    zkdLensFlareEffect m_effect;
    zkdLensFlareGhostLine m_line;
    zkdLensFlareGhostLine m_otherLine;
    std::unique_ptr<zkPropertyEditorWidget> m_editor;
    zkLensFlareGhostLineControl *m_control = nullptr;
};

// A line with ghosts at 2.5 and -1, shown by an editor that selects it as the element editor
// of the elements list would.
void tst_zkLensFlareGhostLineControl::init()
{
    m_effect = zkdObjectManager::create<zkdLensFlareEffect>();
    m_line = zkd_cast<zkdLensFlareGhostLine>(
            m_effect.createLensFlareElement(QStringLiteral("Line"), zkLensFlareTypes::GhostLine));
    m_otherLine = zkd_cast<zkdLensFlareGhostLine>(
            m_effect.createLensFlareElement(QStringLiteral("Other"), zkLensFlareTypes::GhostLine));
    m_line.createGhost(2.5);
    m_line.createGhost(-1.0);
    m_otherLine.createGhost(4.0);
    stack()->clear();
    lights()->setSelectedElements({m_line});
    lights()->setSelectedGhosts({});

    m_editor = std::make_unique<zkPropertyEditorWidget>(nullptr, QList<zkPropertyEditorFactory *>());
    auto *factory = new zkPropertyEditorFactory;
    factory->registerEditor<zkdLensFlareGhostLine, QList<zkdLensFlareGhost>, zkLensFlareGhostLineControl>(
            "ghosts", [](zkBaseControlOptions &options) { options.spanColumns = true; });
    m_editor->setFactories({factory});
    m_editor->setKeepProperties({"ghosts"});
    m_editor->setCurrentObjects({new zkPropertyEditorZkdObjectWrapper(m_line)});
    m_control = qobject_cast<zkLensFlareGhostLineControl *>(m_editor->getControl("ghosts"));
    QVERIFY(m_control);
    m_editor->resize(700, 500);
    m_editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_editor.get()));
    QApplication::setActiveWindow(m_editor.get());
    // 500 strip units on 500 pixels, one pixel per unit: fitting leaves 2 pixels on each side.
    scrollArea()->setFixedSize(504, 60);
    scrollArea()->fit();
    QCOMPARE(strip()->width(), 504);
    QCOMPARE(at(125.0).x() - at(0.0).x(), 125);
}

void tst_zkLensFlareGhostLineControl::cleanup()
{
    m_editor.reset();
}

void tst_zkLensFlareGhostLineControl::moveMouse(const QPoint &position, Qt::MouseButtons buttons,
                                                Qt::KeyboardModifiers modifiers)
{
    QMouseEvent event(QEvent::MouseMove, position, viewport()->mapToGlobal(position), Qt::NoButton, buttons,
                      modifiers);
    QApplication::sendEvent(viewport(), &event);
}

void tst_zkLensFlareGhostLineControl::moveMouseTo(const QPoint &globalPosition, Qt::MouseButtons buttons,
                                                  Qt::KeyboardModifiers modifiers)
{
    QMouseEvent event(QEvent::MouseMove, viewport()->mapFromGlobal(globalPosition), globalPosition, Qt::NoButton,
                      buttons, modifiers);
    QApplication::sendEvent(viewport(), &event);
}

// Opens the context menu at the position and picks the action of that text from it.
void tst_zkLensFlareGhostLineControl::runMenu(const QPoint &position, const QString &actionText)
{
    bool picked = false;
    QTimer::singleShot(0, this, [&] {
        QMenu *menu = m_control->getContextMenu();
        QVERIFY(menu->isVisible());
        for (QAction *action : menu->actions()) {
            if (action->text() == actionText) {
                action->trigger();
                picked = true;
            }
        }
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, position, viewport()->mapToGlobal(position));
    QApplication::sendEvent(viewport(), &event);
    QVERIFY(picked);
}

Ghosts tst_zkLensFlareGhostLineControl::shownGhosts() const
{
    Ghosts ghosts;
    for (const zkPropertyEditorObjectWrapper *wrapper : m_control->getGhostEditor()->getCurrentObjects())
        ghosts.append(zkd_cast<zkdLensFlareGhost>(wrapper->getObject<zkdObject>()));
    return ghosts;
}

QList<double> tst_zkLensFlareGhostLineControl::markerPositions() const
{
    QList<double> positions;
    for (const zkGhostItem *item : strip()->getGhostItems())
        positions.append(item->x());
    return positions;
}

QList<double> tst_zkLensFlareGhostLineControl::distances() const
{
    QList<double> result;
    for (const zkdLensFlareGhost &ghost : m_line.getGhosts())
        result.append(ghost.getDistance());
    return result;
}

void tst_zkLensFlareGhostLineControl::construction()
{
    QCOMPARE(m_control->objectName(), QStringLiteral("zkLensFlareGhostLineControl"));
    QVERIFY(!m_control->getLabel());
    QCOMPARE(m_control->getEditor(), strip());
    QCOMPARE(scrollArea()->widget(), strip());
    QCOMPARE(strip()->sceneRect(), QRectF(-250, -15, 500, 30));
    QCOMPARE(strip()->getContextMenu(), m_control->getContextMenu());
    QCOMPARE(strip()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(scrollArea()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QStringList texts;
    for (const QAction *action : m_control->getContextMenu()->actions())
        texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(texts, QStringList({"Create Ghost", "Copy\tCtrl+C", "Cut\tCtrl+X", "Paste\tCtrl+V", "Duplicate\tCtrl+D",
                                 "Delete\tDel", "-", "Zoom In\tCtrl+Alt+I", "Zoom Out\tCtrl+Alt+O",
                                 "Fit View\tCtrl+F5"}));
    // The ghost at 2.5 stands at 125 and the one at -1 at -50.
    QCOMPARE(markerPositions(), QList<double>({125.0, -50.0}));
    QVERIFY(!strip()->cursor().pixmap().isNull());
    QCOMPARE(strip()->cursor().hotSpot(), QPoint(2, 0));
}

void tst_zkLensFlareGhostLineControl::followsElementSelection_data()
{
    QTest::addColumn<QStringList>("selection");
    QTest::addColumn<QList<double>>("markers");

    QTest::newRow("the line") << QStringList({"line"}) << QList<double>({125.0, -50.0});
    QTest::newRow("another line") << QStringList({"other"}) << QList<double>({200.0});
    QTest::newRow("two lines") << QStringList({"line", "other"}) << QList<double>();
    QTest::newRow("a line and a glow") << QStringList({"glow", "other"}) << QList<double>({200.0});
    QTest::newRow("a glow") << QStringList({"glow"}) << QList<double>();
    QTest::newRow("nothing") << QStringList() << QList<double>();
}

// Only a ghost line selected alone is shown; the ghosts selected before go with their line.
void tst_zkLensFlareGhostLineControl::followsElementSelection()
{
    QFETCH(QStringList, selection);
    QFETCH(QList<double>, markers);

    const zkdLensFlareElement glow = m_effect.createLensFlareElement(QStringLiteral("Glow"), zkLensFlareTypes::Glow);
    strip()->getGhostItems().first()->setSelected(true);
    QCOMPARE(lights()->getSelectedGhosts(), Ghosts({m_line.getGhosts().first()}));
    const QHash<QString, zkdLensFlareElement> elements = {{"line", m_line}, {"other", m_otherLine}, {"glow", glow}};
    Elements selected;
    for (const QString &name : qAsConst(selection))
        selected.append(elements.value(name));
    lights()->setSelectedElements(selected);

    const bool shown = !markers.isEmpty();
    QCOMPARE(scrollArea()->isVisible(), shown);
    QCOMPARE(m_control->getGhostEditor()->isVisible(), shown);
    QCOMPARE(m_control->getGhostLine().isNull(), !shown);
    QCOMPARE(markerPositions(), markers);
    const bool sameLine = selection == QStringList({"line"});
    QCOMPARE(lights()->getSelectedGhosts().size(), sameLine ? 1 : 0);
    QCOMPARE(shownGhosts().size(), sameLine ? 1 : 0);
}

void tst_zkLensFlareGhostLineControl::select_data()
{
    QTest::addColumn<QList<double>>("clicks"); // strip x of each left click, NaN for Ctrl+A
    QTest::addColumn<QList<int>>("selected");  // ghost indices

    QTest::newRow("a marker") << QList<double>({125.0}) << QList<int>({0});
    QTest::newRow("another marker") << QList<double>({125.0, -50.0}) << QList<int>({1});
    QTest::newRow("empty space clears") << QList<double>({125.0, 0.0}) << QList<int>();
    QTest::newRow("select all") << QList<double>({qQNaN()}) << QList<int>({0, 1});
}

// The strip's selection reaches the nested editor and the light service.
void tst_zkLensFlareGhostLineControl::select()
{
    QFETCH(QList<double>, clicks);
    QFETCH(QList<int>, selected);

    strip()->setFocus();
    QSignalSpy spy(lights(), &zkLightService::lensFlareGhostSelectionChanged);
    for (const double x : qAsConst(clicks)) {
        if (qIsNaN(x))
            QTest::keyClick(strip(), Qt::Key_A, Qt::ControlModifier);
        else
            QTest::mouseClick(viewport(), Qt::LeftButton, {}, at(x));
    }
    Ghosts expected;
    for (const int index : qAsConst(selected))
        expected.append(m_line.getGhosts().at(index));
    QCOMPARE(strip()->getSelectedGhosts(), expected);
    QCOMPARE(lights()->getSelectedGhosts(), expected);
    QCOMPARE(shownGhosts(), expected);
    QVERIFY(!spy.isEmpty());
    QCOMPARE(m_control->getCopyAction()->isEnabled(), !expected.isEmpty());
    QCOMPARE(m_control->getDeleteAction()->isEnabled(), !expected.isEmpty());
    QVERIFY(!strip()->getRubberBand()->isVisible());
}

void tst_zkLensFlareGhostLineControl::drag_data()
{
    QTest::addColumn<bool>("both");
    QTest::addColumn<int>("delta");
    QTest::addColumn<QList<double>>("expected");

    QTest::newRow("30 units right") << false << 30 << QList<double>({3.1, -1.0});
    QTest::newRow("left") << false << -75 << QList<double>({1.0, -1.0});
    QTest::newRow("beyond the right end") << false << 200 << QList<double>({5.0, -1.0});
    QTest::newRow("both, one stops at the end") << true << 150 << QList<double>({5.0, 2.0});
    QTest::newRow("a click moves nothing") << false << 0 << QList<double>({2.5, -1.0});
}

// A drag writes every dragged marker's distance in one "Ghost Distance" step; undo moves the
// markers back.
void tst_zkLensFlareGhostLineControl::drag()
{
    QFETCH(bool, both);
    QFETCH(int, delta);
    QFETCH(QList<double>, expected);

    if (both)
        strip()->selectAllItems();
    const QPoint start = at(125.0);
    QTest::mousePress(viewport(), Qt::LeftButton, {}, start);
    const QPoint end = start + QPoint(delta, 0);
    moveMouse(start + QPoint(delta / 2, 0), Qt::LeftButton);
    moveMouse(end + QPoint(0, 7), Qt::LeftButton);
    moveMouse(end, Qt::LeftButton);
    QVERIFY(!strip()->getRubberBand()->isVisible());
    QTest::mouseRelease(viewport(), Qt::LeftButton, {}, end);

    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(float(distances().at(i)), float(expected.at(i)));
        QCOMPARE(float(markerPositions().at(i)), float(50.0 * expected.at(i)));
        QCOMPARE(strip()->getGhostItems().at(i)->y(), 0.0);
    }
    if (delta == 0) {
        QCOMPARE(stack()->count(), 0);
        return;
    }
    QCOMPARE(stack()->count(), 1);
    QCOMPARE(stack()->undoText(), QStringLiteral("Ghost Distance"));
    // The dragged ghosts stay selected.
    QCOMPARE(strip()->getSelectedGhosts().size(), both ? 2 : 1);
    stack()->undo();
    QCOMPARE(distances(), QList<double>({2.5, -1.0}));
    QCOMPARE(markerPositions(), QList<double>({125.0, -50.0}));
}

void tst_zkLensFlareGhostLineControl::createAtMenuPosition_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("distance");

    QTest::newRow("right") << 200.0 << 4.0;
    QTest::newRow("left") << -150.0 << -3.0;
    QTest::newRow("on a marker") << 125.0 << 2.5;
}

// The new ghost stands where the menu was asked for, alone selected, in one undo step.
void tst_zkLensFlareGhostLineControl::createAtMenuPosition()
{
    QFETCH(double, x);
    QFETCH(double, distance);

    runMenu(at(x), QStringLiteral("Create Ghost"));
    const Ghosts ghosts = m_line.getGhosts();
    QCOMPARE(ghosts.size(), 3);
    QCOMPARE(float(ghosts.last().getDistance()), float(distance));
    QCOMPARE(strip()->getGhostItems().size(), 3);
    QCOMPARE(strip()->getSelectedGhosts(), Ghosts({ghosts.last()}));
    QCOMPARE(lights()->getSelectedGhosts(), Ghosts({ghosts.last()}));
    QCOMPARE(shownGhosts(), Ghosts({ghosts.last()}));
    QCOMPARE(stack()->count(), 1);
    stack()->undo();
    QCOMPARE(m_line.getGhosts().size(), 2);
    QCOMPARE(strip()->getGhostItems().size(), 2);
    QVERIFY(shownGhosts().isEmpty());
}

void tst_zkLensFlareGhostLineControl::deleteUnderMouse_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QList<double>>("remaining");

    // A right press on a marker selects it alone, so the menu deletes that one.
    QTest::newRow("menu on the other marker") << "menu" << QList<double>({125.0});
    QTest::newRow("Del key") << "key" << QList<double>({125.0});
    QTest::newRow("strip removes its markers") << "strip" << QList<double>({125.0});
    QTest::newRow("menu on empty space") << "menu on empty" << QList<double>({-50.0});
}

void tst_zkLensFlareGhostLineControl::deleteUnderMouse()
{
    QFETCH(QString, how);
    QFETCH(QList<double>, remaining);

    QTest::mouseClick(viewport(), Qt::LeftButton, {}, at(125.0));
    if (how == QLatin1String("menu")) {
        QTest::mousePress(viewport(), Qt::RightButton, {}, at(-50.0));
        QCOMPARE(strip()->getSelectedGhosts(), Ghosts({m_line.getGhosts().at(1)}));
        QTest::mouseRelease(viewport(), Qt::RightButton, {}, at(-50.0));
        runMenu(at(-50.0), QStringLiteral("Delete\tDel"));
    } else if (how == QLatin1String("menu on empty")) {
        runMenu(at(0.0), QStringLiteral("Delete\tDel"));
    } else {
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, at(-50.0));
        if (how == QLatin1String("key")) {
            strip()->setFocus();
            QTest::keyClick(strip(), Qt::Key_Delete);
        } else {
            strip()->deleteSelectedItems();
        }
    }
    QCOMPARE(markerPositions(), remaining);
    QCOMPARE(m_line.getGhosts().size(), 1);
    QCOMPARE(float(m_line.getGhosts().first().getDistance()), float(remaining.first() / 50.0));
    QCOMPARE(stack()->count(), 1);
    QVERIFY(lights()->getSelectedGhosts().isEmpty());
    stack()->undo();
    QCOMPARE(markerPositions().size(), 2);
}

void tst_zkLensFlareGhostLineControl::clipboard_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QList<double>>("line");
    QTest::addColumn<QList<double>>("otherLine");

    QTest::newRow("copy, paste in another line") << "copy" << QList<double>({2.5, -1.0})
                                                 << QList<double>({4.0, 2.5});
    QTest::newRow("cut, paste in another line") << "cut" << QList<double>({-1.0}) << QList<double>({4.0, 2.5});
    QTest::newRow("duplicate") << "duplicate" << QList<double>({2.5, 2.5, -1.0}) << QList<double>({4.0});
}

void tst_zkLensFlareGhostLineControl::clipboard()
{
    QFETCH(QString, operation);
    QFETCH(QList<double>, line);
    QFETCH(QList<double>, otherLine);

    const auto distancesOf = [](const zkdLensFlareGhostLine &ghostLine) {
        QList<double> result;
        for (const zkdLensFlareGhost &ghost : ghostLine.getGhosts())
            result.append(ghost.getDistance());
        return result;
    };
    QVERIFY(!m_control->getDuplicateAction()->isEnabled());
    QTest::mouseClick(viewport(), Qt::LeftButton, {}, at(125.0));
    if (operation == QLatin1String("duplicate")) {
        m_control->getDuplicateAction()->trigger();
        QCOMPARE(stack()->count(), 1);
    } else {
        (operation == QLatin1String("copy") ? m_control->getCopyAction() : m_control->getCutAction())->trigger();
        QVERIFY(m_control->getPasteAction()->isEnabled());
        lights()->setSelectedElements({m_otherLine});
        m_control->getPasteAction()->trigger();
        QCOMPARE(stack()->count(), operation == QLatin1String("cut") ? 2 : 1);
        QCOMPARE(markerPositions(), QList<double>({200.0, 125.0}));
    }
    QCOMPARE(distancesOf(m_line), line);
    QCOMPARE(distancesOf(m_otherLine), otherLine);
}

void tst_zkLensFlareGhostLineControl::zoomAndFit_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<bool>("zoomed");

    QTest::newRow("zoom in") << QStringList({"Zoom In\tCtrl+Alt+I"}) << true;
    QTest::newRow("zoom in twice, out once") << QStringList({"Zoom In\tCtrl+Alt+I", "Zoom In\tCtrl+Alt+I",
                                                             "Zoom Out\tCtrl+Alt+O"})
                                             << true;
    QTest::newRow("zoom in, fit") << QStringList({"Zoom In\tCtrl+Alt+I", "Fit View\tCtrl+F5"}) << false;
    QTest::newRow("zoom out alone stays fitted") << QStringList({"Zoom Out\tCtrl+Alt+O"}) << false;
}

// Zooming from the menu keeps the middle in place; fitting restores factor 1 and offset 0.
void tst_zkLensFlareGhostLineControl::zoomAndFit()
{
    QFETCH(QStringList, actions);
    QFETCH(bool, zoomed);

    const int w = scrollArea()->width();
    for (const QString &text : qAsConst(actions)) {
        for (QAction *action : m_control->getContextMenu()->actions()) {
            if (action->text() == text)
                action->trigger();
        }
    }
    QCOMPARE(scrollArea()->getZoomFactor() > 1.0, zoomed);
    QCOMPARE(strip()->width(), int(std::lround(scrollArea()->getContentWidth())));
    QVERIFY(qFuzzyCompare(scrollArea()->getContentWidth(), w * scrollArea()->getZoomFactor()));
    QCOMPARE(scrollArea()->horizontalScrollBar()->value(), int(std::lround(scrollArea()->getOffset())));
    if (zoomed) {
        // The middle of the strip stays in the middle of the view.
        const double middle = (w / 2 + scrollArea()->getOffset()) / scrollArea()->getContentWidth();
        QVERIFY(qAbs(middle - 0.5) < 0.01);
    } else {
        QCOMPARE(scrollArea()->getZoomFactor(), 1.0);
        QCOMPARE(scrollArea()->getOffset(), 0.0);
    }
    // The strip keeps showing distances -5 to 5 across its whole width.
    QCOMPARE(at(250.0).x() - at(-250.0).x(), strip()->width() - 4);
}

void tst_zkLensFlareGhostLineControl::wheelKeepsPointUnderMouse()
{
    const QPoint position(100, 10);
    const auto wheel = [&](int delta, Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(position, viewport()->mapToGlobal(position), QPoint(), QPoint(0, delta), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport(), &event);
        QVERIFY(event.isAccepted());
    };
    const QPoint screenPoint = viewport()->mapToGlobal(position);
    const QPointF before = strip()->mapToScene(position);
    wheel(120, {});
    QVERIFY(scrollArea()->getZoomFactor() > 1.0);
    QVERIFY(scrollArea()->getOffset() > 0.0);
    QVERIFY(qAbs(strip()->mapToScene(viewport()->mapFromGlobal(screenPoint)).x() - before.x()) < 2.0);
    const double offset = scrollArea()->getOffset();
    wheel(120, Qt::ControlModifier);
    QCOMPARE(scrollArea()->getOffset(), offset + 10.0);
    wheel(-120, Qt::ControlModifier);
    QCOMPARE(scrollArea()->getOffset(), offset);
    wheel(-120, {});
    wheel(-120, {});
    QCOMPARE(scrollArea()->getZoomFactor(), 1.0);
    QCOMPARE(scrollArea()->getOffset(), 0.0);
}

void tst_zkLensFlareGhostLineControl::mouseGestures_data()
{
    QTest::addColumn<int>("buttonValue"); // Qt::MouseButton
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QPoint>("travel");
    QTest::addColumn<QString>("expected");

    QTest::newRow("middle drag left pans right") << int(Qt::MiddleButton) << Qt::KeyboardModifiers() << QPoint(-20, 0)
                                                 << "pan right";
    QTest::newRow("Ctrl+left drag left pans right") << int(Qt::LeftButton) << Qt::KeyboardModifiers(Qt::ControlModifier)
                                                    << QPoint(-20, 0) << "pan right";
    QTest::newRow("Ctrl+right drag down zooms in") << int(Qt::RightButton) << Qt::KeyboardModifiers(Qt::ControlModifier)
                                                   << QPoint(0, 30) << "zoom in";
    QTest::newRow("left drag over both selects both") << int(Qt::LeftButton) << Qt::KeyboardModifiers() << QPoint(0, 0)
                                                      << "band";
}

void tst_zkLensFlareGhostLineControl::mouseGestures()
{
    QFETCH(int, buttonValue);
    const auto button = Qt::MouseButton(buttonValue);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QPoint, travel);
    QFETCH(QString, expected);

    // Zoomed first, so that there is room to pan.
    scrollArea()->zoomInAtMiddle();
    scrollArea()->panLeft(1000);
    QCOMPARE(scrollArea()->getOffset(), 0.0);
    const double zoom = scrollArea()->getZoomFactor();
    QSignalSpy selection(strip(), &zkGhostLineEditor::selectionChanged);

    const bool band = expected == QLatin1String("band");
    const QPoint start = band ? at(-100.0, -10.0) : at(0.0);
    const QPoint end = band ? at(200.0, 10.0) : start + travel;
    const QPoint origin = viewport()->mapToGlobal(QPoint());
    QTest::mousePress(viewport(), button, modifiers, start);
    moveMouseTo(origin + start + (end - start) / 2, button, modifiers);
    QCOMPARE(strip()->getRubberBand()->isVisible(), band);
    moveMouseTo(origin + end, button, modifiers);
    QTest::mouseRelease(viewport(), button, modifiers, viewport()->mapFromGlobal(origin + end));
    QVERIFY(!strip()->getRubberBand()->isVisible());

    if (band) {
        QCOMPARE(strip()->getSelectedGhosts(), m_line.getGhosts());
        QCOMPARE(selection.last().first().value<Ghosts>(), m_line.getGhosts());
    } else if (expected == QLatin1String("pan right")) {
        QCOMPARE(scrollArea()->getOffset(), 20.0);
        QCOMPARE(scrollArea()->getZoomFactor(), zoom);
        QVERIFY(strip()->getSelectedGhosts().isEmpty());
    } else {
        QVERIFY(scrollArea()->getZoomFactor() > zoom);
    }
    QCOMPARE(stack()->count(), 0);
}

QTEST_MAIN(tst_zkLensFlareGhostLineControl)
#include "tst_zkLensFlareGhostLineControl.moc"
