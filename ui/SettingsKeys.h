// Every key the program keeps in its settings store, named once here. The Windows installer's script keeps the
// reminder's date across an upgrade and so names its group and key itself; a test (settings_keys_match)
// holds them to these.
#pragma once

namespace SettingsKeys {

// The date of the last update reminder, ISO 8601.
inline constexpr char ReminderDate[] = "Settings/Duration";
// Which nadir sign the exact-nadir window's card interprets: by the Imum Coeli or from the rising sign.
inline constexpr char InterpretedNadirSign[] = "ExactNadir/InterpretedSign";
// The exact-nadir window's last inputs, as they were when it closed: the date ISO 8601 and the time HH:mm[:ss]
// where they could be read, else the text as typed; the place as its field showed it, and whether it was
// picked from the list.
inline constexpr char ExactName[] = "ExactNadir/Name";
inline constexpr char ExactDate[] = "ExactNadir/Date";
inline constexpr char ExactTime[] = "ExactNadir/Time";
inline constexpr char ExactSlotOnly[] = "ExactNadir/SlotOnly";
inline constexpr char ExactSlot[] = "ExactNadir/Slot";
inline constexpr char ExactPlace[] = "ExactNadir/Place";
inline constexpr char ExactPlacePicked[] = "ExactNadir/PlacePicked";
inline constexpr char ExactCoordinates[] = "ExactNadir/Coordinates";
inline constexpr char ExactLatitude[] = "ExactNadir/Latitude";
inline constexpr char ExactLongitude[] = "ExactNadir/Longitude";
inline constexpr char ExactZone[] = "ExactNadir/Zone";
// The zodiac the exact-nadir window reads in, by its key ("tropical", "lahiri", ...).
inline constexpr char ExactZodiac[] = "ExactNadir/Zodiac";

} // namespace SettingsKeys
