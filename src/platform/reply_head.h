#pragma once

#include <string>
#include <string_view>

// What the clients take from the head of an HTTP reply, read one header line
// at a time: the status code of its status line and its Location header.
struct ReplyHead {
    int status = 0; // 0 until a status line has been read
    bool hasLocation = false;
    std::string location; // the first Location value, blanks around it removed
};

// Reads one line of a reply head as it arrived, line end included or not. A
// status line ("HTTP/1.1 200 OK") starts a new head, so nothing of an interim
// 1xx reply carries over to the final one. Other lines are ignored.
void ReadReplyHeadLine(ReplyHead& head, std::string_view line);

// The Indy-like client takes the body only from a 2xx reply without Location.
bool IndyAcceptsReply(const ReplyHead& head);

// The FastNet-like client follows a 300, 301 or 302 reply that names a place.
bool FastNetFollowsReply(const ReplyHead& head);
