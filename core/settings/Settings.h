#pragma once
// Loading the settings into their globals (Globals.h) and storing them back.
// Both run on the GUI thread and work through the configuration store
// (core/config), so the Configuration table of the dictionary is used.

#include <QString>

#include <cstdint>

namespace vl {

// Copies every setting from the store into its global, key by key in a fixed
// order (a key missing from the store is looked up in section "Settings" of
// the program INI file and stored when found there), then applies the
// load rules: the inverted start-up flags, "/I" forcing the scheduler off,
// the scripting delay and burst size rules, the user name of multi-user mode
// and DebugMode from the program INI file. Runs at start-up and when the
// Options window is cancelled.
void LoadSettings();

// What the Options window hands over besides the globals it edits in place.
struct StoredOptions {
    int32_t scriptingDelay = 0; // the window's delay field
    int32_t burstSize = 0;      // the window's burst size field
    // True when the scheduler was forced off by "/I" and the user left the
    // "Scheduler active" box as it was shown: the stored flag is kept, so
    // that one inactive start does not make every later start inactive.
    bool keepStoredActive = false;
};

// Writes every setting from its global (the delay and the burst size from
// the window's fields) as one batch, applies the alarm interval rule to
// RepeatAlarmInterval first, then reads the delay and the burst size back
// into GlobalDelay and BurstSize with the load rules.
void StoreSettings(const StoredOptions& options);

} // namespace vl
