#pragma once
// Tracks are read away from the window. Opening a recording, drawing its
// drive and exporting read files that may sit on a slow card, number in the
// hundreds or be made to waste time; the picture, the buttons and the keys
// must not wait for them. Each read runs on a thread of its own and hands its
// result back to the window's thread, where the caller decides whether it is
// still wanted (a recording opened meanwhile wins over a stale read).

#include <QObject>
#include <functional>
#include <memory>

class TrackReads : public QObject {
    Q_OBJECT
public:
    explicit TrackReads(QObject* parent = nullptr);
    // Reads under way finish on their own; their results are dropped.
    ~TrackReads() override;

    // `read` on a thread of its own, then `take` with its result on this
    // object's thread, unless this object is gone by then.
    template <class Result>
    void Read(std::function<Result()> read, std::function<void(Result)> take)
    {
        auto result = std::make_shared<Result>();
        Post([read = std::move(read), result] { *result = read(); },
             [take = std::move(take), result] { take(std::move(*result)); });
    }

    // Reads given whose results have not been taken yet.
    int Pending() const { return pending_; }

private:
    struct Mailbox;
    void Post(std::function<void()> work, std::function<void()> then);

    std::shared_ptr<Mailbox> mailbox_;
    int pending_ = 0;
};
