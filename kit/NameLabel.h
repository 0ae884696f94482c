// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A tool tip that shows `text` as it is. Qt renders a tool tip as rich text when it looks like markup,
// and a path such as ".../<img src="/dev/zero">.txt" would then be loaded, not shown; every tool tip
// that holds a name or a path goes through here.
QString plainToolTip(const QString& text);

// A file's name as plain text (a name may start with "<"), shortened in the middle to fit, so that
// its extension stays readable; the whole text is its tool tip and what a screen reader reads.
class NameLabel : public QLabel
{
    Q_OBJECT

public:
    explicit NameLabel(QWidget* parent = nullptr);

    void setName(const QString& name, const QString& toolTip = QString());
    QString name() const { return m_name; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fit();

    QString m_name;
};
