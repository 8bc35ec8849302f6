#pragma once
#include "link/CancelToken.h"
#include "link/Download.h"
#include "link/SerialLink.h"
#include "link/Transport.h"
#include "model/Project.h"

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace varkel {

enum class TransferKind { Download, Upload };

// What one transfer ended with, for the front end to show.
struct TransferOutcome {
    int result = 0;
    // Why the port could not be opened; none when it was (or when the
    // transfer failed later). The front end says why in its language.
    PortOpenError openFailure;
    // Messages for the user met on the way (old hardware), shown before the result.
    std::vector<std::string> notices;
    int frames = 0; // steps done
    // Frames the gateway acknowledged (a download's settings and records),
    // and whether the port stayed silent from the first request on.
    int acknowledged = 0;
    bool neverAnswered = false;
    std::string device; // as opened
    HardwareVersion hardware;
    std::chrono::steady_clock::duration openTime{};
    std::chrono::steady_clock::duration transferTime{};
    // The configuration read by a successful upload; the front end puts it
    // in place of the user's.
    std::unique_ptr<Project> uploaded;
    // Values of that configuration the editor would refuse: the gateway
    // holds them so. Listed for the user, never silently changed.
    std::vector<RefusedValue> refused;
};

// One download or upload on one port, for the terminal and the dialog
// alike. Begin runs on the caller's thread: it opens the port and makes the
// checks that may show messages. Run may then go on any thread; it reports
// only through the progress and trace callbacks (on that thread) and the
// outcome, never through message boxes.
class TransferSession {
public:
    using Clock = std::chrono::steady_clock;

    // Without a transport the system's serial port is used.
    explicit TransferSession(TransferKind kind, std::unique_ptr<Transport> transport = nullptr);
    ~TransferSession();
    TransferSession(const TransferSession&) = delete;
    TransferSession& operator=(const TransferSession&) = delete;

    void SetPaceMs(int ms) { link_.SetPaceMs(ms); }
    // Stops the transfer between frames (UserCancelled). From any thread.
    void Cancel() { cancel_->Cancel(); }
    // Shares one token between several sessions (all ports at once).
    void SetCancelToken(std::shared_ptr<CancelToken> token);
    void SetProgressCallback(SerialLink::ProgressCallback callback);
    void SetTraceCallback(SerialLink::TraceCallback callback);

    // Opens the device, unless Open already did, and checks the project (a
    // download's empty values and memory maps), then takes a copy of it to
    // work on. False when the transfer ends here; the outcome says why.
    bool Begin(const Project& project, const std::string& device) {
        return (IsOpen() || Open(device)) && Prepare(project);
    }
    // The two halves of Begin. A front end that still has to load the
    // project may open first, so that the gateway side notices the open
    // while the project loads; a port that did not open then is opened
    // again by Begin, which reports its failure.
    bool Open(const std::string& device);
    bool Prepare(const Project& project);
    bool IsOpen() const { return link_.IsOpen(); }
    // The exchanges with the gateway; the port is closed at the end.
    void Run();
    // The outcome, once Begin failed or Run returned.
    TransferOutcome TakeOutcome() { return std::move(outcome_); }

private:
    TransferKind kind_;
    std::shared_ptr<CancelToken> cancel_;
    SerialLink link_;
    std::unique_ptr<Project> project_;
    TransferOutcome outcome_;
};

// Why a transfer failed, for the user: the open failure, a cancel (for a
// download, how far the gateway got), no answer at all on the port named,
// or the result's message. Empty after a success.
std::string FailureText(const TransferOutcome& outcome, TransferKind kind,
                        const std::string& portName);
// The name a port goes by in messages: the device's file name (ttyS0).
std::string PortName(const std::string& device);

} // namespace varkel
