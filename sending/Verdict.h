#pragma once
// What a campaign does after one try of one address: whose fault the outcome is, and what next.
enum class Verdict {
    // The server took the message.
    Accepte,
    // The recipient is refused for good: the address is in error.
    RefuseAdresse,
    // A temporary refusal about this recipient (greylisting, a full mailbox): a new try later,
    // one of the address's tries used.
    ReessayerAdresse,
    // The server limits the sender's pace: every connection slows down, the address goes back
    // to the queue with its tries intact.
    Ralentir,
    // The sender's quota (hourly, daily) is used up: the campaign pauses, the address waits.
    Quota,
    // The connection was lost or ended by the server before the end of the message: it is
    // opened again, the address goes back to the queue.
    SessionPerdue,
    // The end-of-data line left and no reply came: the server may have delivered it.
    IssueInconnue,
    // The sender, the login or the message is refused for good: going on would fail the same
    // way for every address, which stay to send.
    Arreter,
};
