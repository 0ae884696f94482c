// SPDX-License-Identifier: GPL-3.0-or-later
#include "NameLabel.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <numeric>

QString plainToolTip(const QString& text)
{
    if (text.isEmpty()) {
        return text;
    }
    // Always rich text, with the markup of the text escaped and its spaces and line breaks kept.
    return QStringLiteral("<qt><p style=\"white-space:pre\">") + text.toHtmlEscaped() + QStringLiteral("</p></qt>");
}

QString isolated(const QString& name, const QWidget* widget)
{
    if (widget->layoutDirection() != Qt::RightToLeft || name.isEmpty()) {
        return name;
    }
    return QChar(0x2068) + name + QChar(0x2069); // first strong isolate … pop directional isolate
}

QString shown(const QString& english)
{
    return QCoreApplication::translate(Messages::kContext, english.toUtf8().constData());
}

QString shown(Messages::Message message)
{
    return shown(Messages::sentence(message));
}

Messages::Sentence shown(const Messages::Sentence& sentence)
{
    return {shown(sentence.pattern), sentence.names};
}

namespace {

// Room for the mark before the text: its size and a gap.
int markRoom(const QFontMetrics& metrics)
{
    return metrics.height() + metrics.height() / 3;
}

// Qt's elision measures with rounded advances, so its result can be a fraction of a pixel too wide
// and lose half its last letter.
QString elided(const QFontMetricsF& metrics, const QString& text, qreal width)
{
    QString shown = metrics.elidedText(text, Qt::ElideMiddle, width);
    for (qreal narrower = width - 1; narrower > 0 && metrics.horizontalAdvance(shown) > width; narrower -= 1) {
        shown = metrics.elidedText(text, Qt::ElideMiddle, narrower);
    }
    return shown;
}

} // namespace

MarkedLabel::MarkedLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

void MarkedLabel::setMark(Theme::Mark mark)
{
    m_mark = mark;
    const int room = mark == Theme::Mark::None ? 0 : markRoom(fontMetrics());
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    setContentsMargins(rightToLeft ? 0 : room, 0, rightToLeft ? room : 0, 0);
    applyColours();
    update();
}

void MarkedLabel::setDark(bool dark)
{
    m_dark = dark;
    applyColours();
}

void MarkedLabel::applyColours()
{
    Theme::setTextColor(this, m_dark);
    if (m_mark == Theme::Mark::Failure) {
        QPalette colours = palette();
        colours.setColor(QPalette::WindowText, Theme::palette(m_dark).failure);
        setPalette(colours);
    }
}

// Before the first line of the text, wherever the alignment puts it.
void MarkedLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (m_mark == Theme::Mark::None || text().isEmpty()) {
        return;
    }
    const QFontMetrics metrics = fontMetrics();
    const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    const QRect block = metrics.boundingRect(contentsRect(), flags, text());
    const int size = metrics.height();
    const int room = markRoom(metrics);
    const int x = layoutDirection() == Qt::RightToLeft ? block.x() + block.width() + room - size : block.x() - room;
    QPainter painter(this);
    Theme::paintMark(painter, QRectF(x, block.top(), size, size), m_mark, m_dark);
}

NameLabel::NameLabel(QWidget* parent) : MarkedLabel(parent)
{
    QSizePolicy policy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    policy.setHorizontalStretch(1);
    setSizePolicy(policy);
}

void NameLabel::setName(const QString& name, const QString& toolTip)
{
    take({QStringLiteral("%1"), {name}}, toolTip);
}

void NameLabel::setSentence(const Messages::Sentence& sentence, const QString& toolTip)
{
    take(shown(sentence), toolTip);
}

void NameLabel::take(const Messages::Sentence& sentence, const QString& toolTip)
{
    m_sentence = sentence;
    m_toolTip = toolTip;
    setAccessibleName(sentence.text()); // the whole of it, however little fits
    fit();
}

void NameLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    fit();
}

// A name alone takes one line. A sentence may take two, and its words keep their room: the names
// share the rest, a short one keeping all of its own so that a long one gets what is left.
void NameLabel::fit()
{
    const QFontMetricsF metrics(font());
    const qreal width = std::max(contentsRect().width(), 80);
    const bool alone = m_sentence.pattern == QLatin1String("%1");
    QStringList names = m_sentence.names;
    Messages::Sentence bare = m_sentence;
    bare.names = QStringList(names.size(), QString());
    // Two lines less what wrapping at a space may leave unused at the end of the first.
    qreal room = (alone ? width : 1.75 * width) - metrics.horizontalAdvance(bare.text());
    std::vector<qsizetype> order(static_cast<std::size_t>(names.size()));
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        return metrics.horizontalAdvance(names[a]) < metrics.horizontalAdvance(names[b]);
    });
    const qreal least = metrics.horizontalAdvance(QStringLiteral("mmm…mmm"));
    for (std::size_t i = 0; i < order.size(); ++i) {
        // No longer than a line: a name without spaces can't wrap.
        const qreal share = std::min(std::max(room / static_cast<qreal>(order.size() - i), least), width);
        QString& name = names[order[i]];
        if (metrics.horizontalAdvance(name) > share) {
            name = elided(metrics, name, share);
        }
        room -= metrics.horizontalAdvance(name);
    }
    const bool shortened = names != m_sentence.names;
    Messages::Sentence shown = m_sentence;
    for (QString& name : names) {
        name = isolated(name, this);
    }
    shown.names = names;
    const QString text = shown.text();
    setWordWrap(!alone && metrics.horizontalAdvance(text) > width);
    setText(text);
    Messages::Sentence whole = m_sentence;
    for (QString& name : whole.names) {
        name = isolated(name, this);
    }
    setToolTip(plainToolTip(m_toolTip.isEmpty() && shortened && !alone ? whole.text() : isolated(m_toolTip, this)));
}
