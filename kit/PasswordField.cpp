// SPDX-License-Identifier: GPL-3.0-or-later
#include "PasswordField.h"

#include "MaskedAccessibility.h"
#include "Services.h"

#include <QAction>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QSvgRenderer>

#include <algorithm>

namespace {

const QKeySequence kToggleKeys(Qt::ALT | Qt::Key_S);

// The desktop's eye when its icon theme has one, else ours; drawn in `colour` either way, so that it
// reads on the field in both themes.
QIcon eye(bool open, const QColor& colour, qreal ratio)
{
    const int side = 16;
    QPixmap pixmap(QSize(side, side) * ratio);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        QIcon themed = QIcon::fromTheme(open ? QStringLiteral("view-visible") : QStringLiteral("view-hidden"));
        if (themed.isNull()) {
            themed = QIcon::fromTheme(open ? QStringLiteral("view-reveal-symbolic")
                                           : QStringLiteral("view-conceal-symbolic"));
        }
        if (!themed.isNull()) {
            themed.paint(&painter, pixmap.rect());
        } else {
            QSvgRenderer(open ? QStringLiteral(":/images/eye.svg") : QStringLiteral(":/images/eye-closed.svg"))
                .render(&painter, pixmap.rect());
        }
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(pixmap.rect(), colour);
    }
    pixmap.setDevicePixelRatio(ratio);
    return QIcon(pixmap);
}

} // namespace

PasswordField::PasswordField(QWidget* parent) : QLineEdit(parent), m_toggle(new QAction(this))
{
    MaskedAccessibility::install(); // before this field is ever asked for
    setEchoMode(Password);
    m_toggle->setShortcut(kToggleKeys);
    m_toggle->setShortcutContext(Qt::WidgetShortcut);
    addAction(m_toggle, TrailingPosition);
    //: Screen-reader description of the password field; %1 is the shortcut, such as Alt+S.
    setAccessibleDescription(tr("%1 shows or hides the password").arg(kToggleKeys.toString(QKeySequence::NativeText)));
    connect(m_toggle, &QAction::triggered, this, [this] { setShown(!isShown()); });
    showToggleState();
}

void PasswordField::setShown(bool shown)
{
    if (shown == isShown()) {
        return;
    }
    setEchoMode(shown ? Normal : Password);
    showToggleState();
    emit shownChanged(shown);
}

void PasswordField::removeToggle()
{
    removeAction(m_toggle);
    setAccessibleDescription(QString());
}

void PasswordField::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        showToggleState();
    }
}

void PasswordField::showToggleState()
{
    // Not a checkable action: Qt would make it a check box named "Hide password" and ticked. Its
    // name, icon and tooltip say what a press does.
    const bool shown = isShown();
    //: The eye inside the password field, an icon alone: its tool tip and screen-reader name.
    m_toggle->setText(shown ? tr("Hide password") : tr("Show password"));
    //: The eye's tool tip: %1 is what a press does ("Show password"), %2 its shortcut, such as Alt+S.
    m_toggle->setToolTip(tr("%1 (%2)").arg(m_toggle->text(), kToggleKeys.toString(QKeySequence::NativeText)));
    // The eye shows what a press does: open to show, closed to hide.
    m_toggle->setIcon(eye(!shown, palette().color(QPalette::PlaceholderText), devicePixelRatioF()));
}

CapsLockWarning::CapsLockWarning(QWidget* parent) : QWidget(parent), m_sign(new QLabel(this))
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    //: Small warning under the password fields; name the key as the keyboard does.
    auto* words = new QLabel(tr("Caps Lock is on"), this);
    words->setObjectName(QStringLiteral("capsLockText"));
    QFont small = words->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    words->setFont(small);
    //: Screen-reader name of the warning sign before "Caps Lock is on".
    m_sign->setAccessibleName(tr("Warning"));
    const int side = words->fontMetrics().height();
    m_sign->setPixmap(
        style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(QSize(side, side), devicePixelRatioF()));
    row->addWidget(m_sign);
    row->addWidget(words);
    row->addStretch();
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
    showState(); // hidden until a field it watches has the focus
}

void CapsLockWarning::watch(std::initializer_list<QLineEdit*> fields, std::shared_ptr<CapsLock> capsLock)
{
    m_capsLock = std::move(capsLock);
    for (QLineEdit* field : fields) {
        m_fields.push_back(field);
        field->installEventFilter(this);
    }
}

bool CapsLockWarning::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (m_capsLock) {
            m_capsLock->keySeen(*static_cast<QKeyEvent*>(event));
        }
        showState();
        break;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::Hide:
        showState();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void CapsLockWarning::showState()
{
    const bool focused =
        std::any_of(m_fields.begin(), m_fields.end(), [](const QLineEdit* f) { return f->hasFocus(); });
    setVisible(focused && m_capsLock && m_capsLock->isOn());
}
