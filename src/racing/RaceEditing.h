// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/DbSession.h"
#include "storage/Velocity.h"

class AppData;
struct FlyerRecord;
struct PigeonRecord;
struct RaceRecord;

// What a stored change of a race or an entry does to the loaded data: the race list, its
// entries and the racing totals of the pigeons concerned, kept as a reload would leave them.

/// Index of the loaded race with this id, -1 when none.
int RaceIndexOf(const AppData& data, int raceId);

/// A newly stored race joins the end of the list.
void AddLoadedRace(AppData& data, const RaceRecord& race);
/// An edited race replaces the loaded one with its id, keeping that one's entries; their
/// velocities in the totals follow the new release time and distance.
void ReplaceLoadedRace(AppData& data, const RaceRecord& edited);
/// Deletes the race and every entry of it, all or nothing, so that no entry is left behind to
/// join a later race that gets the same id. On success the race leaves the loaded list and its
/// entries leave the totals.
DbResult DeleteRaceWithEntries(AppData& data, int raceId);

/// A newly stored entry joins its race's entries and its pigeon's totals.
void AddLoadedFlyer(AppData& data, const FlyerRecord& flyer);
/// An edited entry replaces the loaded one with its id in its race.
void ReplaceLoadedFlyer(AppData& data, const FlyerRecord& edited);
/// A deleted entry leaves its race and its pigeon's totals.
void RemoveLoadedFlyer(AppData& data, int raceId, int flyerId);
