#ifndef REPLYPARSER_H
#define REPLYPARSER_H

#include <QByteArray>

namespace VivuRuza {
class calcMsg;
class calcFrame;
} // namespace VivuRuza

// Turns a frame's payload into a reply the link may act on, and judges the
// shape of a reply where the schema alone decides; what a reply means to the
// command that awaits it is the link's to judge. Knows no device.
class ReplyParser
{
public:
    // How a FRAME's data matches the size it announces.
    enum class FrameFill {
        Exact,
        // No data entry at all.
        Missing,
        // Fewer bytes than announced.
        Short,
        // More bytes than announced, or more than one entry.
        Extra,
    };

    // Strict: true only when the whole payload parses, strings as UTF-8,
    // every number within its field and every known field in its own wire
    // type. On false the message is cleared and must not be used.
    static bool parse(const QByteArray &payload, VivuRuza::calcMsg &msg);
    // Any reply of a type we know, or with a text or number, is the
    // calculator's word on the request; only one with neither is out of step.
    static bool isRefusal(const VivuRuza::calcMsg &reply);
    // Replies that answer only other requests than the ones that ask for
    // something: read first after an opening, they are an earlier request's
    // reply that came late.
    static bool answersAnotherRequest(int type);
    static FrameFill frameFill(const VivuRuza::calcFrame &frame);
};

#endif // REPLYPARSER_H
