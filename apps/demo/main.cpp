// The demo application: the sample scene of the in-memory kernel in its views beside a property
// editor on the selected objects, with undo and redo.

#include "zkDemoDumps.h"
#include "zkDemoSampleFiles.h"
#include "zkDemoSceneViews.h"
#include "zkDemoWindow.h"

#include <zkSampleScene.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QPixmap>
#include <QTextStream>

#include <cstdio>

namespace {

QString styleSheet()
{
    QFile file(QStringLiteral(":/zkDemo/zkDemo.qss"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zkDemo"));
    app.setStyleSheet(styleSheet());

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows the sample scene's objects beside a property editor on the selected ones."));
    parser.addHelpOption();
    const QCommandLineOption selectOption(QStringLiteral("select"),
                                          QStringLiteral("Selects the objects with these comma-separated names; "
                                                         "\"<name>/<property>\" selects the sub-object held there."),
                                          QStringLiteral("names"));
    const QCommandLineOption screenshotOption(
        QStringLiteral("screenshot"), QStringLiteral("Writes the window to a PNG file and exits."),
        QStringLiteral("file"));
    const QCommandLineOption listRowsOption(QStringLiteral("list-rows"),
                                            QStringLiteral("Prints the editor's rows, one line each."));
    const QCommandLineOption describeOption(
        QStringLiteral("describe"),
        QStringLiteral("Prints the registrations of the named type descriptions (all without a name) and exits."));
    const QCommandLineOption dumpLayoutOption(QStringLiteral("dump-layout"),
                                              QStringLiteral("Prints the editor's tabs, groups and rows as built."));
    parser.addOptions({selectOption, screenshotOption, listRowsOption, describeOption, dumpLayoutOption});
    parser.addPositionalArgument(QStringLiteral("description"),
                                 QStringLiteral("With --describe: the description classes to print."),
                                 QStringLiteral("[description...]"));
    parser.process(app);

    if (parser.isSet(describeOption)) {
        QList<QByteArray> names;
        for (const QString &name : parser.positionalArguments())
            names.append(name.toLatin1());
        QList<QByteArray> unknown;
        const QStringList lines = zkDemoDumps::describe(names, &unknown);
        for (const QByteArray &name : unknown)
            std::fprintf(stderr, "zkDemo: no description named '%s'\n", name.constData());
        if (!unknown.isEmpty())
            return 2;
        QTextStream out(stdout);
        for (const QString &line : lines)
            out << line << '\n';
        return 0;
    }

    zkSampleScene::build();
    for (const QString &failure : zkDemoSampleFiles::apply())
        std::fprintf(stderr, "zkDemo: %s\n", qPrintable(failure));
    zkDemoWindow window;
    window.resize(1200, 780);
    if (parser.isSet(selectOption)) {
        const QStringList names = parser.value(selectOption).split(QLatin1Char(','), Qt::SkipEmptyParts);
        for (const QString &name : window.getSceneViews()->selectByNames(names))
            std::fprintf(stderr, "zkDemo: no object named '%s'\n", qPrintable(name));
    }
    window.show();

    if (parser.isSet(dumpLayoutOption)) {
        // Lets the deferred layout work of the build run first.
        QApplication::processEvents();
        QTextStream out(stdout);
        for (const QString &line : zkDemoDumps::dumpLayout(window.getEditor()))
            out << line << '\n';
    }
    if (parser.isSet(listRowsOption)) {
        QTextStream out(stdout);
        for (const QString &line : window.getRowLines())
            out << line << '\n';
    }
    if (parser.isSet(dumpLayoutOption) && !parser.isSet(screenshotOption))
        return 0;
    if (parser.isSet(screenshotOption)) {
        // Lets deferred layouts and deletions run before the window is drawn.
        QApplication::processEvents();
        const QString file = parser.value(screenshotOption);
        if (!window.grab().save(file, "PNG")) {
            std::fprintf(stderr, "zkDemo: couldn't write '%s'\n", qPrintable(file));
            return 1;
        }
        return 0;
    }
    return QApplication::exec();
}
