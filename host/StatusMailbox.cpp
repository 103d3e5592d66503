#include "host/StatusMailbox.h"

bool depositStatus(StatusMailbox& box, const std::string& text) {
    const std::lock_guard<std::mutex> hold(box.lock);
    box.text = text;
    const bool wake = !box.wakeUpPending;
    box.wakeUpPending = true;
    return wake;
}

std::string collectStatus(StatusMailbox& box) {
    const std::lock_guard<std::mutex> hold(box.lock);
    box.wakeUpPending = false;
    return box.text;
}
