#pragma once
// A client of a web desk on a loopback port, for the tests: HTTP requests (signed in with the
// desk's token unless told otherwise), raw bytes for requests no well-behaved client sends,
// and the page's WebSocket.

#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace desk::test {

struct HttpAnswer {
  int status = 0;
  std::string body;
  std::multimap<std::string, std::string> headers;  // names in lower case
  std::string header(const std::string& name) const;
};

using Headers = std::vector<std::pair<std::string, std::string>>;

class DeskClient {
 public:
  // token: sent as Authorization: Bearer; empty: not signed in.
  DeskClient(int port, std::string token);
  ~DeskClient();
  DeskClient(DeskClient&&) noexcept;

  // One request on the client's connection (opened anew when the desk closed it); nothing
  // when the desk closed the connection without an answer.
  std::optional<HttpAnswer> request(const std::string& method, const std::string& target,
                                    const std::string& body = {}, const Headers& headers = {});
  std::optional<HttpAnswer> Get(const std::string& target, const Headers& headers = {}) {
    return request("GET", target, {}, headers);
  }
  std::optional<HttpAnswer> Post(const std::string& target, const std::string& body,
                                 const std::string& contentType, const Headers& headers = {}) {
    Headers all = headers;
    all.emplace_back("Content-Type", contentType);
    return request("POST", target, body, all);
  }

  int port() const { return port_; }
  const std::string& token() const { return token_; }

 private:
  struct Connection;
  int port_;
  std::string token_;
  std::unique_ptr<Connection> connection_;
};

// Bytes written to a new connection as they are, and what comes back until the desk closes it
// or `wait` has passed.
struct RawExchange {
  std::string answer;
  bool closedByDesk = false;
};
RawExchange rawExchange(int port, const std::string& bytes,
                        std::chrono::milliseconds wait = std::chrono::seconds(5));
// A connection that stays open doing nothing until it is destroyed.
class IdleConnection {
 public:
  // source: the loopback address the connection comes from (empty: any).
  explicit IdleConnection(int port, const std::string& firstBytes = {},
                          const std::string& source = {});
  ~IdleConnection();
  // Whether the desk has closed it (reads what came; waits at most `wait`).
  bool closedByDesk(std::chrono::milliseconds wait);
  std::string received() const { return received_; }
  // Writes more bytes; false when the connection is gone.
  bool write(const std::string& bytes);

 private:
  struct Socket;
  std::unique_ptr<Socket> socket_;
  std::string received_;
};

// The page's WebSocket at /api/ws.
class DeskSocketClient {
 public:
  // Throws when the handshake is refused; `origin` empty sends none.
  DeskSocketClient(int port, const std::string& token, const std::string& origin,
                   const std::string& source = {});
  ~DeskSocketClient();
  void send(const std::string& message);
  // The next message, or nothing when none came within `wait` (or the desk closed it).
  std::optional<std::string> receive(std::chrono::milliseconds wait = std::chrono::seconds(10));
  bool closed() const { return closed_; }
  void close();

 private:
  struct Socket;
  std::unique_ptr<Socket> socket_;
  bool closed_ = false;
};

// The status of a refused WebSocket handshake (0 when it was taken).
int socketHandshakeStatus(int port, const Headers& headers);

}  // namespace desk::test
