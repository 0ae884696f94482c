// SPDX-License-Identifier: GPL-3.0-or-later
#include "Password.h"

#include <QStringDecoder>

#include <openssl/crypto.h>

#include <algorithm>

namespace Password {

namespace {

void wipe(QString& text)
{
    std::fill(text.begin(), text.end(), QChar());
}

bool same(const SecureBytes& a, const SecureBytes& b)
{
    return a.size() == b.size() && (a.empty() || CRYPTO_memcmp(a.data(), b.data(), a.size()) == 0);
}

} // namespace

SecureBytes bytes(const QString& password)
{
    QByteArray utf8 = password.toUtf8();
    SecureBytes result(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    OPENSSL_cleanse(utf8.data(), static_cast<std::size_t>(utf8.size()));
    return result;
}

std::vector<SecureBytes> candidates(const SecureBytes& typed)
{
    std::vector<SecureBytes> forms;
    forms.push_back(typed);
    // Exact: a leading BOM is kept, and a sequence cut short at the end is an error.
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(typed.data(), static_cast<qsizetype>(typed.size())));
    if (!utf8.hasError()) {
        for (const QString::NormalizationForm form : {QString::NormalizationForm_C, QString::NormalizationForm_D}) {
            QString normal = text.normalized(form);
            SecureBytes candidate = bytes(normal);
            wipe(normal);
            if (std::none_of(forms.begin(), forms.end(), [&](const SecureBytes& f) { return same(f, candidate); })) {
                forms.push_back(std::move(candidate));
            }
        }
    }
    wipe(text);
    return forms;
}

} // namespace Password
