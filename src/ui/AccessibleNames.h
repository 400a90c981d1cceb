// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <utility>

class QFormLayout;
class QString;
class QWidget;

/// Gives each part of a form row made of several fields (a date and a time, kilometres and
/// metres) a name a screen reader can tell apart: the row's label, then the part's own short
/// name ("Distance, km"). A row whose field takes focus itself is named by its label already.
void NameRowParts(QFormLayout* form);

/// Short names for the parts of a compound field, to be completed by NameRowParts.
void NameParts(std::initializer_list<std::pair<QWidget*, QString>> parts);
