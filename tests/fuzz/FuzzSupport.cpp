#include "FuzzSupport.h"

#include "FrameCodec.h"

#include <google/protobuf/stubs/logging.h>

void prepareFuzzRun()
{
    static const bool done = [] {
        FrameCodec::setWaitLimits(1, 1);
        // Invalid UTF-8 in string fields is common here; the runtime's
        // complaint about each one would only slow the run down.
        google::protobuf::SetLogHandler(nullptr);
        return true;
    }();
    (void)done;
}
