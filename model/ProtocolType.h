#pragma once

namespace varkel {

// The subnet's protocol, with the numbers the file and the settings frame
// store. A file may hold another number: it is kept as it is, and behaves
// as universal mode wherever the code asks for "not Modbus master".
enum class ProtocolType : int { ModbusMaster = 0, Universal = 1 };

} // namespace varkel
