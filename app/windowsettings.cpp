#include "windowsettings.h"

#include <functional>
#include <vector>

namespace kellvar {

void ReadWindowSettings(const TSettingsFile& file, TWindowSettings& s)
{
    s.UseLastWindowPosition = file.ReadBool("UseLastWindowPosition", false);
    if (s.UseLastWindowPosition) {
        s.Bounds.Width = file.ReadInteger("Width", s.Bounds.Width);
        s.Bounds.Height = file.ReadInteger("Height", s.Bounds.Height);
        s.Bounds.Top = file.ReadInteger("Top", s.Bounds.Top);
        s.Bounds.Left = file.ReadInteger("Left", s.Bounds.Left);
    }
    s.LoadDefaultLogFile = file.ReadBool("LoadDefaultLogFile", true);
    if (s.LoadDefaultLogFile)
        s.DefaultLogFile = file.ReadText("DefaultLogFile", "");
    s.UseLastSettings = file.ReadBool("UseLastSettings", false);
    if (s.UseLastSettings) {
        s.ShowValueLabels = file.ReadBool("ShowValueLabels", false);
        s.StoreAllTimeLog = file.ReadBool("StoreAllTimeLog", false);
        s.UseLastDirectory = file.ReadBool("UseLastDirectory", false);
        if (s.UseLastDirectory)
            s.InitialDirectory = file.ReadText("InitialDirectory", "");
        const int32_t filter = file.ReadInteger("FilterIndex", 1);
        if (filter >= 1 && filter <= FilterCount)
            s.FilterIndex = filter;
    }
    s.DefaultTabPage = file.ReadInteger("DefaultTabPage", -1);
    if (s.DefaultTabPage < -1 || s.DefaultTabPage >= PageCount)
        s.DefaultTabPage = -1;
}

void WriteWindowSettings(const TSettingsFile& file, const TWindowSettings& s, bool quiet)
{
    std::vector<std::function<bool()>> writes;
    if (!quiet)
        writes = {[&] { return file.WriteInteger("Width", s.Bounds.Width); },
                  [&] { return file.WriteInteger("Height", s.Bounds.Height); },
                  [&] { return file.WriteInteger("Top", s.Bounds.Top); },
                  [&] { return file.WriteInteger("Left", s.Bounds.Left); }};
    writes.insert(writes.end(), {
                                    [&] { return file.WriteBool("ShowValueLabels", s.ShowValueLabels); },
                                    [&] { return file.WriteBool("UseLastSettings", s.UseLastSettings); },
                                    [&] { return file.WriteBool("UseLastWindowPosition", s.UseLastWindowPosition); },
                                    [&] { return file.WriteBool("StoreAllTimeLog", s.StoreAllTimeLog); },
                                    [&] { return file.WriteInteger("FilterIndex", s.FilterIndex); },
                                    [&] { return file.WriteBool("UseLastDirectory", s.UseLastDirectory); },
                                    [&] { return file.WriteText("InitialDirectory", s.InitialDirectory); },
                                    [&] { return file.WriteBool("LoadDefaultLogFile", s.LoadDefaultLogFile); },
                                    [&] { return file.WriteText("DefaultLogFile", s.DefaultLogFile); },
                                    [&] { return file.WriteInteger("DefaultTabPage", s.DefaultTabPage); },
                                });
    // A key that cannot be written ends the writing; the keys after it are skipped.
    for (const auto& write : writes)
        if (!write())
            return;
}

}  // namespace kellvar
