#include "sim/PlcServer.h"

#include "sim/PlcRequest.h"

namespace varkel::sim {

PlcServer::PlcServer(GatewayRuntime& runtime)
    : runtime_(runtime), server_([this](const std::uint8_t* frame, std::size_t size) {
          PlcWrite write;
          std::vector<std::uint8_t> answer =
              AnswerPlcRequest(frame, size, runtime_.PlcView(), write);
          if (!write.bytes.empty())
              runtime_.SetOutput(write.first, write.bytes);
          return answer;
      }) {}

} // namespace varkel::sim
