// Reading back what the menu classes gave the window system.
#pragma once

#include <string>
#include <vector>

#include "kvmenu.h"

// The records of the menu bar's accelerator table; none without a table.
inline std::vector<ACCEL> AcceleratorsOf(KVMAINMENU &bar)
{
    HACCEL table = bar.GetAcceleratorTable();
    if (!table)
        return {};
    std::vector<ACCEL> records(static_cast<size_t>(CopyAcceleratorTableA(table, nullptr, 0)));
    CopyAcceleratorTableA(table, records.data(), static_cast<int>(records.size()));
    return records;
}

// The command identifiers of the table, in table order.
inline std::vector<WORD> CommandsOf(KVMAINMENU &bar)
{
    std::vector<WORD> commands;
    for (const ACCEL &record : AcceleratorsOf(bar))
        commands.push_back(record.cmd);
    return commands;
}

// Whether the table handle still names a table.
inline bool TableExists(HACCEL table) { return CopyAcceleratorTableA(table, nullptr, 0) > 0; }

inline std::string Text(const KVSTRING &text) { return text.Data(); }
