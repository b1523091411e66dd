#pragma once
// The registry key, under HKEY_CURRENT_USER, that holds every setting.
inline constexpr const char* SettingsKey = "Software\\Horavel";
