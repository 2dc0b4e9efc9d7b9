// Time per mouse event of dragging a ghost marker on the ghost line strip, with the strip
// repainted after every move (as the view schedules it, and in full), and of the release that writes the distances and refreshes the
// editor of the selected ghosts. Times are the best of several runs; build with optimisation
// (the default build type) and run with QT_QPA_PLATFORM=offscreen or on a display.

#include <zkGhostItem.h>
#include <zkGhostLineEditor.h>
#include <zkKernelServiceFactory.h>
#include <zkLensFlareGhostLineControl.h>
#include <zkLensFlareGhostLineScrollArea.h>
#include <zkLightService.h>
#include <zkPropertyEditorFactory.h>
#include <zkPropertyEditorWidget.h>
#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkUndoStack.h>
#include <zkdLensFlareEffect.h>
#include <zkdLensFlareGhostLine.h>
#include <zkdObjectManager.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>

#include <algorithm>
#include <cstdio>
#include <limits>

namespace {

constexpr int runs = 5;
constexpr int movesPerDrag = 200;
const int ghostCounts[] = {4, 32, 128};

void send(QWidget *viewport, QEvent::Type type, const QPoint &position, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, position, viewport->mapToGlobal(position), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
}

struct Timings
{
    double moveMs = std::numeric_limits<double>::max();
    double moveFullRepaintMs = std::numeric_limits<double>::max();
    double releaseMs = std::numeric_limits<double>::max();
};

// Drags the first marker back and forth; with fullRepaint the whole strip is painted after
// every move, otherwise what the view schedules.
double dragMs(zkGhostLineEditor *strip, bool fullRepaint, QPoint *end)
{
    QWidget *viewport = strip->viewport();
    const QPoint start = strip->mapFromScene(strip->getGhostItems().first()->pos());
    send(viewport, QEvent::MouseButtonPress, start, Qt::LeftButton);
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    for (int move = 1; move <= movesPerDrag; ++move) {
        *end = start + QPoint(move % 50, 0);
        send(viewport, QEvent::MouseMove, *end, Qt::LeftButton);
        if (fullRepaint)
            viewport->repaint();
        else
            QApplication::processEvents();
    }
    return timer.nsecsElapsed() / 1e6 / movesPerDrag;
}

Timings measure(int ghostCount)
{
    const auto effect = zkdObjectManager::create<zkdLensFlareEffect>();
    const auto line = zkd_cast<zkdLensFlareGhostLine>(
            effect.createLensFlareElement(QStringLiteral("Line"), zkLensFlareTypes::GhostLine));
    for (int i = 0; i < ghostCount; ++i)
        line.createGhost(-4.0 + 8.0 * i / ghostCount);
    zkKernelServiceFactory::the().getService<zkLightService>()->setSelectedElements({line});

    // The row from a factory of its own; the ghosts' rows come from the global factory.
    auto *factory = new zkPropertyEditorFactory;
    factory->registerEditor<zkdLensFlareGhostLine, QList<zkdLensFlareGhost>, zkLensFlareGhostLineControl>("ghosts");
    zkPropertyEditorWidget editor(nullptr, {factory});
    editor.setKeepProperties({"ghosts"});
    editor.setCurrentObjects({new zkPropertyEditorZkdObjectWrapper(line)});
    auto *control = qobject_cast<zkLensFlareGhostLineControl *>(editor.getControl("ghosts"));
    if (!control) {
        std::fprintf(stderr, "bench_controls: no ghost line row\n");
        return {};
    }
    editor.resize(800, 600);
    editor.show();
    QApplication::processEvents();
    zkGhostLineEditor *strip = control->getGhostLineEditor();

    Timings best;
    for (int run = 0; run < runs; ++run) {
        for (const bool fullRepaint : {false, true}) {
            QPoint end;
            const double ms = dragMs(strip, fullRepaint, &end);
            double &slot = fullRepaint ? best.moveFullRepaintMs : best.moveMs;
            slot = std::min(slot, ms);
            QElapsedTimer timer;
            timer.start();
            send(strip->viewport(), QEvent::MouseButtonRelease, end, Qt::NoButton);
            QApplication::processEvents();
            best.releaseMs = std::min(best.releaseMs, timer.nsecsElapsed() / 1e6);
            zkUndoStack::instance()->undo();
            QApplication::processEvents();
        }
    }
    zkUndoStack::instance()->clear();
    return best;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    std::printf("ghost line strip: dragging the first marker, %d moves per drag, best of %d\n", movesPerDrag, runs);
    std::printf("  ghosts   per move (ms)   per move, full repaint (ms)   release (ms)   (goal per move < 2 ms)\n");
    for (const int count : ghostCounts) {
        const Timings timings = measure(count);
        std::printf("  %6d   %13.3f   %27.3f   %12.3f\n", count, timings.moveMs, timings.moveFullRepaintMs,
                    timings.releaseMs);
    }
    return 0;
}
