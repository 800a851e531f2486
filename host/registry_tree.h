// Moving keys and values between the process's HKEY_CURRENT_USER and RegistryKeyRecords, with
// the registry calls alone (so the same code serves the POSIX subset and a real registry).
#pragma once

#include "settings_text.h"

#include <string>
#include <vector>

// Creates each key (and the keys above it) and sets its values. Stops at the first call that
// fails, with *error naming the key or value.
bool importRegistryKeys(const std::vector<RegistryKeyRecord> &keys, std::string *error);

// Sets one value under HKEY_CURRENT_USER\keyPath, creating the key when it is missing.
bool storeRegistryValue(const std::string &keyPath, const RegistryValue &value, std::string *error);

// The whole tree below HKEY_CURRENT_USER, depth first with keys and values in the order the
// registry enumerates them. A key is listed when it has values or no subkeys, so that empty
// keys survive and keys that only lead to others are implied by them.
bool exportRegistryKeys(std::vector<RegistryKeyRecord> *keys, std::string *error);
