// Carries a host result out of a constructor, which cannot return one. The exported entry points
// catch it with every other exception and answer with their failure result.
#pragma once

#include <exception>

#include "abi/result.h"

class ResultError : public std::exception {
  public:
    explicit ResultError(Result result) : mResult(result) {}

    Result Code() const { return mResult; }
    const char* what() const noexcept override { return "host object call failed"; }

  private:
    Result mResult;
};
