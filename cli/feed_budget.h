// The loss budget of the feed commands: its options read into the core's
// DishLosses, and its lines printed, the same for a prime-focus and an offset dish.
#pragma once

#include "calc/common/length_unit.h"
#include "calc/physics/feed_pattern.h"
#include "calc/physics/feed_remarks.h"
#include "calc/physics/loss_budget.h"
#include "calc/physics/offset_illumination.h"
#include "cli/command_table.h"
#include "cli/report.h"

#include <optional>
#include <string>
#include <vector>

namespace dishwright {

// Throws InputError when a budget option is given without `anchor` (--dish or
// --freq), which gives the frequency and the size the budget is worked against.
void requireBudgetAnchor(const Invocation &call, const std::string &anchor);

// The budget options of `call` for a dish `apertureMm` across at `frequencyMHz`;
// their small sizes (blockage, surface error, struts, mesh) are in `smallUnit`.
DishLosses readLosses(const Invocation &call, double apertureMm, double frequencyMHz,
                      LengthUnit smallUnit);

// The budget of `losses` for `pattern` on `aperture` (in mm) aimed `aimDeg`
// toward the far rim, with the feed's `apertureEfficiency`.
LossBudget budgetFor(const FeedPattern &pattern, const ApertureCircle &aperture, double aimDeg,
                     const DishLosses &losses, double apertureEfficiency);

// "blockage efficiency: ..." to "gain: ... DBI", one line each.
void printBudget(const LossBudget &budget, Report &out);

// The feed's warnings and notes, then the budget's warnings, after every figure.
void printRemarks(const std::vector<FeedRemark> &remarks, const std::optional<LossBudget> &budget,
                  Report &out);

} // namespace dishwright
