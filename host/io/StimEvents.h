// Events from a recording's stimulus channels: every rising edge of a trigger channel is
// an event at the edge's first sample whose code is the channel's new value. Used by the
// readers of files that keep their triggers as channels (FIF).
// When the recording has a summing trigger channel ("STI 014", "STI014", "STI101"), only
// that one is read, since the others repeat its bits; otherwise every stimulus channel is.
#pragma once

#include <vector>

#include "host/io/Recording.h"

// The events in sample order; one event per sample and code even when several channels
// rise there. A channel that is non-zero at the first sample rises there.
std::vector<RecordingEvent> eventsFromStimChannels(const Recording& recording);
