#pragma once

#include <QString>
#include <exception>

// Why a skin could not be used, in the window's language: what went wrong in
// a few words, then the engine's own message for the skin's author.
QString SkinLoadFailureReason(const std::exception& error);

// The error box's text for a skin file that could not be used: the file, the
// reason, and that the skin in use stays.
QString SkinLoadFailureMessage(const QString& path, const QString& reason);
