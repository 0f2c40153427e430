// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace kellvar {

// Text for an output file, handed over in pieces of about 256 KB (few calls
// to the system for a table of megabytes); remembers the first failed write
// and the system's reason for it.
class TOutputStream {
public:
    explicit TOutputStream(std::FILE* out);

    void Write(std::string_view text);
    // For writers that append in place: the text not yet handed over, and
    // the call that hands it over once it has grown.
    std::string& Pending() { return text_; }
    void HandOverWhenFull();
    // Hands everything over and flushes the file; false once any write failed.
    bool Finish();
    // The errno of the first failed write.
    int Error() const { return error_; }

private:
    void HandOver();

    std::FILE* out_;
    std::string text_;
    int error_ = 0;
};

}  // namespace kellvar
