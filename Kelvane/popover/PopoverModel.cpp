// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/popover/PopoverModel.h"

#include "Kelvane/app/AppModel.h"

PopoverModel PopoverModel::of(AppModel& model, TimerCommandPerformer& commands)
{
    return {model.engine(), model.settings(), model.pomodoro(), model.customTimers(), model.customSession(), commands};
}
