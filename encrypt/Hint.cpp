// SPDX-License-Identifier: GPL-3.0-or-later
#include "Hint.h"

#include "ui_Hint.h"

#include "Global.h"
#include "Package.h"
#include "Theme.h"

#include <QPushButton>
#include <QValidator>

namespace {

// The limit is on the hint file, so on UTF-8 bytes; QLineEdit's own counts UTF-16 units.
class HintLimit : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        return Package::fitsAsHint(input) ? Acceptable : Invalid;
    }
};

} // namespace

Hint::Hint(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::Hint>())
{
    ui->setupUi(this);
    ui->hint->setMaxLength(static_cast<int>(Package::kMaxHintBytes));
    ui->hint->setValidator(new HintLimit(ui->hint));
    ui->hint->setAccessibleDescription(ui->hintLabel->text()); // the warning is read with the field
    ui->closeButton->setProperty(Theme::kLook, QStringLiteral("primary"));
    Theme::styleWindow(this, global().theme().isDark());
    adjustSize(); // room for the wrapped explanation
    connect(ui->closeButton, &QPushButton::clicked, this, &Hint::close);
    viewDidLoad();
}

Hint::~Hint() = default;

void Hint::viewDidLoad()
{
    global().log(QStringLiteral("hint view presented"));
    ui->hint->setText(global().hint);
    ui->hint->selectAll();
}

void Hint::close()
{
    // Spaces alone are a hint too: only the empty text means none.
    const QString text = ui->hint->text();
    if (!text.isEmpty()) {
        global().hint = text;
        global().hintExist = true;
        global().log(QStringLiteral("got hint ") + text);
    } else {
        global().hintExist = false;
        global().log(QStringLiteral("hint left empty"));
    }
    global().log(QStringLiteral("hint view closed"));
    accept();
}
