// Carries an ACF result out of a constructor, which cannot return one. The exported entry points
// catch it with every other exception and answer with their failure result.
#pragma once

#include <exception>

#include "abi/result.h"

class ACFException : public std::exception {
  public:
    explicit ACFException(ACFRESULT result) : mResult(result) {}

    ACFRESULT Result() const { return mResult; }
    const char* what() const noexcept override { return "host object call failed"; }

  private:
    ACFRESULT mResult;
};
