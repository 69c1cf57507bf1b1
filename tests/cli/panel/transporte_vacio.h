#pragma once
// A bus with no panel on it: nothing is ever plugged, nothing is read, every
// write is lost. `Connect` answers as told, so that a bus that cannot even be
// opened can be stood for too.
#include "core/link/transporte.h"

namespace orda::link {

class TransporteVacio : public Transporte {
 public:
  explicit TransporteVacio(bool abre = false) : abre_(abre) {}
  bool Connect() override { return abre_; }
  void Disconnect() override {}
  int GetVendorID(Handle) override { return 0; }
  int GetProductID(Handle) override { return 0; }
  Handle GetHandle(int, int) override { return 0; }
  void SetReadNotify(Handle, bool) override {}
  bool Read(Handle, BufferReporte&) override { return false; }
  bool WriteEx(int, int, const BufferReporte&) override { return false; }

 private:
  bool abre_;
};

}  // namespace orda::link
