// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Messages.h"
#include "Theme.h"

#include <QLabel>

// A tool tip that shows `text` as it is. Qt renders a tool tip as rich text when it looks like markup,
// and a path such as ".../<img src="/dev/zero">.txt" would then be loaded, not shown; every tool tip
// that holds a name or a path goes through here.
QString plainToolTip(const QString& text);

// A name, path or other text of the user's put into a sentence: where the window reads right to left,
// isolated as a run of its own direction, so that a Latin name keeps its dots, digits and spaces in
// place. Left to right, as it is, so English text stays as it was.
QString isolated(const QString& name, const QWidget* widget);

// The core's texts are English, as lockfern-cli and the log say them; the window shows them in the
// user's language. A sentence's pattern is translated before its names go in.
QString shown(const QString& english);
QString shown(Messages::Message message);
Messages::Sentence shown(const Messages::Sentence& sentence);

// A line of plain text with a mark before it that says how something went; a failure's text takes
// the failure colour too, so the mark is never the colour alone.
class MarkedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit MarkedLabel(QWidget* parent = nullptr);

    void setMark(Theme::Mark mark);
    Theme::Mark mark() const { return m_mark; }
    // The theme's colours for the text and the mark.
    void setDark(bool dark);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void applyColours();

    Theme::Mark m_mark = Theme::Mark::None;
    bool m_dark = false;
};

// A file's name as plain text (a name may start with "<"), shortened in the middle to fit, so that
// its extension stays readable; the whole text is its tool tip and what a screen reader reads. A
// sentence with names in it shortens only the names, never its words.
class NameLabel : public MarkedLabel
{
    Q_OBJECT

public:
    explicit NameLabel(QWidget* parent = nullptr);

    void setName(const QString& name, const QString& toolTip = QString());
    // Without a tool tip of its own, a sentence whose names had to be shortened shows all of it there.
    void setSentence(const Messages::Sentence& sentence, const QString& toolTip = QString());
    QString name() const { return m_sentence.text(); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void take(const Messages::Sentence& sentence, const QString& toolTip);
    void fit();

    Messages::Sentence m_sentence; // a name alone is the sentence "%1"
    QString m_toolTip;
};
