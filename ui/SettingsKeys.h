// Every key the program keeps in its settings store, named once here. The Windows installer's script keeps the
// reminder's date across an upgrade and so names its group and key itself; a test (settings_keys_match)
// holds them to these.
#pragma once

namespace SettingsKeys {

// The date of the last update reminder, ISO 8601.
inline constexpr char ReminderDate[] = "Settings/Duration";
// Which nadir sign the exact-nadir window's card interprets: by the Imum Coeli or from the rising sign.
inline constexpr char InterpretedNadirSign[] = "ExactNadir/InterpretedSign";

} // namespace SettingsKeys
