// What the document asks of the windows when its history or holding stack changes.
#pragma once

namespace kumo {

class DocumentViews {
 public:
  virtual ~DocumentViews() = default;
  virtual void EnableBackCommands() = 0;
  virtual void DisableBackCommands() = 0;
  virtual void EnableForwardCommands() = 0;
  virtual void DisableForwardCommands() = 0;
  virtual void RefreshAllViews() = 0;
  // The holding stack and the hand were emptied: the holding window and the hand cell renew.
  virtual void HoldingCleared() = 0;
};

}  // namespace kumo
