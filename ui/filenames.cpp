// SPDX-License-Identifier: GPL-3.0-or-later
#include "filenames.h"

namespace kellvar {

namespace {

constexpr char16_t EscapeBase = 0xDC00;

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence that starts the text, or 0.
size_t ValidSequenceLength(std::string_view text)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    }
    if (length == 0 || text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (size_t i = 2; i < length; ++i)
        if (!IsContinuation(byte(i)))
            return 0;
    return length;
}

}  // namespace

QString FileNameText(std::string_view bytes)
{
    QString text;
    while (!bytes.empty()) {
        size_t valid = 0;
        while (valid < bytes.size()) {
            const size_t length = ValidSequenceLength(bytes.substr(valid));
            if (length == 0)
                break;
            valid += length;
        }
        text += QString::fromUtf8(bytes.data(), static_cast<qsizetype>(valid));
        bytes.remove_prefix(valid);
        if (!bytes.empty()) {
            text += QChar(static_cast<char16_t>(EscapeBase + static_cast<unsigned char>(bytes.front())));
            bytes.remove_prefix(1);
        }
    }
    return text;
}

std::string FileNameBytes(const QString& text)
{
    std::string bytes;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool escaped = i < text.size() && text[i].unicode() >= EscapeBase + 0x80
                             && text[i].unicode() <= EscapeBase + 0xFF && !(i > 0 && text[i - 1].isHighSurrogate());
        if (i < text.size() && !escaped)
            continue;
        bytes += text.mid(start, i - start).toStdString();
        if (escaped)
            bytes += static_cast<char>(text[i].unicode() - EscapeBase);
        start = i + 1;
    }
    return bytes;
}

}  // namespace kellvar
