#include "QZKSearchBox.h"

#include "zkUIStyle.h"

#include <QAction>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace {

QIcon magnifierIcon(const QColor &color)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, 1.5));
    painter.drawEllipse(QRectF(2.5, 2.5, 8, 8));
    painter.setPen(QPen(color, 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(9.5, 9.5), QPointF(13.5, 13.5));
    return QIcon(pixmap);
}

} // namespace

QZKSearchBox::QZKSearchBox(QWidget *parent)
    : QLineEdit(parent)
    , m_clearAction(addAction(style()->standardIcon(QStyle::SP_LineEditClearButton), QLineEdit::TrailingPosition))
{
    // Qt's own clear button fades in and out with animations that nothing owns while they run; a
    // plain action shows and hides at once.
    m_clearAction->setToolTip(tr("Clear"));
    m_clearAction->setVisible(false);
    connect(m_clearAction, &QAction::triggered, this, &QLineEdit::clear);
    connect(this, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_clearAction->setVisible(!text.isEmpty());
        emit searchChanged(text);
    });
}

void QZKSearchBox::setSearchLineStyle(bool on)
{
    if (on == hasSearchLineStyle())
        return;
    if (on) {
        m_searchAction = addAction(magnifierIcon(palette().color(QPalette::PlaceholderText)),
                                   QLineEdit::LeadingPosition);
        setPlaceholderText(tr("Search"));
    } else {
        delete m_searchAction;
        m_searchAction = nullptr;
        setPlaceholderText({});
    }
    zkUIStyle::setControlProperty(this, "searchLine", on);
}
