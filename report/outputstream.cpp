// SPDX-License-Identifier: GPL-3.0-or-later
#include "outputstream.h"

#include <cerrno>

namespace kellvar {

namespace {

constexpr size_t WriteSize = 256 * 1024;

}  // namespace

TOutputStream::TOutputStream(std::FILE* out) : out_(out)
{
    text_.reserve(2 * WriteSize);
}

void TOutputStream::Write(std::string_view text)
{
    text_ += text;
    HandOverWhenFull();
}

void TOutputStream::HandOverWhenFull()
{
    if (text_.size() >= WriteSize)
        HandOver();
}

void TOutputStream::HandOver()
{
    errno = 0;
    if (error_ == 0 && std::fwrite(text_.data(), 1, text_.size(), out_) != text_.size())
        error_ = errno != 0 ? errno : EIO;
    text_.clear();
}

bool TOutputStream::Finish()
{
    HandOver();
    errno = 0;
    if (error_ == 0 && std::fflush(out_) != 0)
        error_ = errno != 0 ? errno : EIO;
    return error_ == 0;
}

}  // namespace kellvar
