#pragma once
// Loading and saving the two notes files.
#include "NotesLayout.h"

// Each load first creates a missing file with its default content; a file
// that exists is never replaced by a load, even when it cannot be read.
std::string LoadMemo();
TravelFields LoadTravelRecord();

void SaveMemo(const std::string& memo);
void SaveTravelRecord(const TravelFields& fields);
