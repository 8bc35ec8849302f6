#pragma once
#include <QObject>

#include <functional>
#include <mutex>
#include <vector>

namespace varkel {

// Hands calls made on a worker thread to the thread of its parent window,
// which runs them in the order they were posted. The hand-over goes through
// a std::mutex rather than only through Qt's event queue, whose locks the
// ThreadSanitizer runs cannot see: with it, a race between a worker and the
// window is reported and the hand-over itself is not.
class WorkerPost : public QObject {
    Q_OBJECT
public:
    explicit WorkerPost(QObject* parent) : QObject(parent) {}

    // Any thread. The call runs later on this object's thread.
    void Post(std::function<void()> call);

private slots:
    void Drain();

private:
    std::mutex mutex_;
    std::vector<std::function<void()>> calls_;
};

} // namespace varkel
