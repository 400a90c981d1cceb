// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "breeding/Relationship.h"
#include "pedigree/Pedigree.h"

#include <QString>

#include <map>

// The printed page of a test mating: the young's five-generation pedigree with each common
// ancestor marked, its F, the parents' relationship and the table of common ancestors.

/// The background of the n-th mark: light colours far apart, each readable under black text;
/// after the last they come round again (the marks' numbers still tell them apart).
QString MarkColour(int index);

/// Each common ancestor's mark, numbered from 1 in the report's order.
std::map<int, PedigreeMark> MarksOf(const MatingReport& report);

/// "2, 3": the generations at which an ancestor stands on one side.
QString GenerationsText(const std::vector<int>& generations);

/// The page, UTF-16 text; every value escaped.
QString TestMatingPage(Lineage& lineage, const MatingReport& report);

/// data/pedigrees/test-mating.html, which each print of a test mating overwrites.
QString TestMatingPagePath();
