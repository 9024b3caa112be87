// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/core/Logging.h"

Q_LOGGING_CATEGORY(lcApp, "kelvane.app", QtWarningMsg)
Q_LOGGING_CATEGORY(lcAudio, "kelvane.audio", QtWarningMsg)
Q_LOGGING_CATEGORY(lcCommands, "kelvane.commands", QtWarningMsg)
Q_LOGGING_CATEGORY(lcDbus, "kelvane.dbus", QtWarningMsg)
Q_LOGGING_CATEGORY(lcEngine, "kelvane.engine", QtWarningMsg)
Q_LOGGING_CATEGORY(lcInput, "kelvane.input", QtWarningMsg)
Q_LOGGING_CATEGORY(lcNotify, "kelvane.notify", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPower, "kelvane.power", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSession, "kelvane.session", QtWarningMsg)
Q_LOGGING_CATEGORY(lcStore, "kelvane.store", QtWarningMsg)
Q_LOGGING_CATEGORY(lcTray, "kelvane.tray", QtWarningMsg)
Q_LOGGING_CATEGORY(lcUpdate, "kelvane.update", QtWarningMsg)
Q_LOGGING_CATEGORY(lcWidget, "kelvane.widget", QtWarningMsg)
