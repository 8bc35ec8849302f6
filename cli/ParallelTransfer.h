#pragma once
#include "link/TransferSession.h"

#include <memory>
#include <string>
#include <vector>

namespace varkel {
class Project;
}

namespace varkel::cli {

class PortBlock;

// How the transfer on one port ended.
struct PortOutcome {
    std::string port;
    TransferOutcome outcome;
    std::string failure; // why it failed, on one line; empty when it succeeded
    double seconds = 0;  // opening and transfer
};

// The same download or upload on several ports at once: one worker thread
// a port, each waiting on its own line. The ports are opened and the
// configuration checked on the caller's thread, in port order, since the
// checks may show messages and ask; the workers report only through the
// block and their outcomes. A failing port never stops the others; the
// same name twice is refused before this, and the port lock keeps two
// names of one device (a link and its target) from being opened twice.
class ParallelTransfer {
public:
    ParallelTransfer(TransferKind kind, std::vector<std::string> ports);
    ~ParallelTransfer();

    void SetPaceMs(int ms) { paceMs_ = ms; }
    // One token stops every port's transfer.
    void SetCancelToken(const std::shared_ptr<CancelToken>& token);
    void SetTrace(bool trace) { trace_ = trace; }

    // Opens the ports ahead of the transfer, quietly: a port that did not
    // open is opened again, and its failure reported, by Run.
    void Open();
    // Returns when every port is done, the outcomes in port order.
    std::vector<PortOutcome> Run(const Project& project, PortBlock& block);

    // The result code of the first port that failed, in port order; 0 when
    // all succeeded.
    static int FirstFailure(const std::vector<PortOutcome>& outcomes);
    // The closing table: port, "ok" or the failure, time, hardware version.
    static std::vector<std::string> SummaryLines(const std::vector<PortOutcome>& outcomes);

private:
    std::vector<std::string> ports_;
    TransferKind kind_;
    std::vector<std::unique_ptr<TransferSession>> sessions_;
    int paceMs_ = SerialLink::kDefaultPaceMs;
    bool trace_ = false;
};

} // namespace varkel::cli
