#pragma once

#include <juce_core/juce_core.h>

/** How a load ended. The values are those the program has always answered, so that a caller
    comparing with ok never takes a damaged file for a loaded one. */
enum class PLoadResult : int
{
    outOfMemory = 0,
    ok = 1,
    damaged = 2,
    newerOrIncomplete = 3
};

/** How a save or an export ended: success, or the text key of the message that tells the user
    why not.

        if (auto result = PVectorExport::exportPdf(comic, file, -1); !result.ok())
            tell(result.messageKey());
*/
class [[nodiscard]] PResult
{
public:
    static PResult success() { return PResult({}); }
    static PResult failure(const juce::String& messageKey)
    {
        return PResult(messageKey.isEmpty() ? unknownFailure : messageKey);
    }

    bool ok() const { return key.isEmpty(); }
    explicit operator bool() const { return ok(); }
    /** Empty after a success. */
    const juce::String& messageKey() const { return key; }

private:
    static constexpr const char* unknownFailure = "Message.Error";
    explicit PResult(juce::String messageKey) : key(std::move(messageKey)) {}

    juce::String key;
};
