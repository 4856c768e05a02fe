#include "TrackReads.h"

#include <mutex>
#include <thread>

// Where a finished read leaves its result: the window's object while it
// lives. A read stuck on a dead card must not hold up closing the window, so
// reads are not waited for; the lock keeps a late one from posting to an
// object being destroyed.
struct TrackReads::Mailbox {
    std::mutex lock;
    TrackReads* owner = nullptr;
};

TrackReads::TrackReads(QObject* parent) : QObject(parent), mailbox_(std::make_shared<Mailbox>())
{
    mailbox_->owner = this;
}

TrackReads::~TrackReads()
{
    std::lock_guard<std::mutex> hold(mailbox_->lock);
    mailbox_->owner = nullptr;
}

void TrackReads::Post(std::function<void()> work, std::function<void()> then)
{
    ++pending_;
    std::thread([mailbox = mailbox_, work = std::move(work), then = std::move(then)] {
        work();
        std::lock_guard<std::mutex> hold(mailbox->lock);
        if (TrackReads* owner = mailbox->owner) {
            QMetaObject::invokeMethod(
                owner,
                [owner, then] {
                    --owner->pending_;
                    then();
                },
                Qt::QueuedConnection);
        }
    }).detach();
}
