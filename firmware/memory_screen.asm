; The memory screen: the address being edited and the byte there (inverted,
; or the digits typed for it), then the six bytes after it.
;   0-9 A-F  type the byte          ENTER  store it and go to the next address
;   LEFT RIGHT  one byte back, on   UP DOWN  eight bytes back, on
;   CL  forget the digits typed, or go back to the banner

draw_memory:
            LDA (MEM_ADDR)
            SJP print_hex
            LDA (MEM_ADDR+1)
            SJP print_hex
            LDI A,' '
            SJP put_char
            LDA (MEM_ADDR)
            STA YH
            LDA (MEM_ADDR+1)
            STA YL
            LDA (DIGITS)
            BZS memory_first
            LDA (VALUE+1)       ; the digits typed so far
            INC Y
            BCH memory_shown
memory_first:
            LIN Y
memory_shown:
            PSH A
            LDI A,&7F
            STA (INVERSE)
            POP A
            SJP print_hex
            LDI A,0
            STA (INVERSE)
            LDI UL,5
memory_bytes:
            LDI A,' '
            SJP put_char
            LIN Y
            SJP print_hex
            LOP UL,memory_bytes
            JMP lcd_clear_eol

memory_key: LDA (KEY)
            SJP hex_value
            BCR memory_not_digit
            STA (TEMP)
            LDA (DIGITS)
            BZS memory_digit    ; the first digit: A is 0
            LDA (VALUE+1)
            AEX
            ANI A,&F0
memory_digit:
            ORA (TEMP)
            STA (VALUE+1)
            LDI A,1
            STA (DIGITS)
            JMP mon_show
memory_not_digit:
            LDA (KEY)
            CPI A,K_ENTER
            BZR memory_moves
            LDA (DIGITS)
            BZS memory_next
            LDA (MEM_ADDR)
            STA XH
            LDA (MEM_ADDR+1)
            STA XL
            LDA (VALUE+1)
            STA (X)
memory_next:
            LDI A,1
            BCH memory_step
memory_moves:
            CPI A,K_RIGHT
            BZS memory_next
            CPI A,K_DOWN
            BZR memory_back
            LDI A,8
memory_step:
            SJP memory_advance
            BCH memory_redraw
memory_back:
            CPI A,K_LEFT
            BZR memory_up
            LDI A,&FF           ; -1
            BCH memory_step_back
memory_up:  CPI A,K_UP
            BZR memory_cl
            LDI A,&F8           ; -8
memory_step_back:
            SJP memory_advance
            LDA (MEM_ADDR)      ; ...and the high byte 1 less
            DEC A
            STA (MEM_ADDR)
            BCH memory_redraw
memory_cl:  CPI A,K_CL
            BZR memory_other
            LDA (DIGITS)
            BZS memory_other
memory_redraw:
            LDI A,0
            STA (DIGITS)
            JMP mon_show
memory_other:
            JMP common_key

; MEM_ADDR += A (as an unsigned byte); the digits typed are forgotten.
memory_advance:
            PSH A
            LDA (MEM_ADDR)
            STA XH
            LDA (MEM_ADDR+1)
            STA XL
            POP A
            ADR X
            LDA XH
            STA (MEM_ADDR)
            LDA XL
            STA (MEM_ADDR+1)
            LDI A,0
            STA (DIGITS)
            RTN

; A key as a hexadecimal digit: C set and A = its value, or C clear.
hex_value:  CPI A,'0'
            BCR hex_not
            CPI A,'9'+1
            BCS hex_letter
            SBI A,'0'           ; C is clear: subtracts one more
            INC A
            SEC
            RTN
hex_letter: CPI A,'A'
            BCR hex_not
            CPI A,'F'+1
            BCS hex_not
            SBI A,'A'-10-1      ; C is clear here
            SEC
            RTN
hex_not:    REC
            RTN

; Asks for an address: the text at X, then VALUE in four digits that typing
; replaces (a fifth digit is ignored); LEFT takes back the last digit typed. C set and VALUE on ENTER, C clear on CL
; or BREAK.
ask_address:
            LDI A,SCR_PROMPT    ; no clock on the line meanwhile
            STA (SCREEN)
            LDI A,0
            STA (DIGITS)
ask_draw:   PSH X
            LDI A,0
            STA (CURSOR)
            SJP print_text
            LDI A,&7F
            STA (INVERSE)
            LDA (VALUE)
            SJP print_hex
            LDA (VALUE+1)
            SJP print_hex
            LDI A,0
            STA (INVERSE)
            SJP lcd_clear_eol
            POP X
ask_key:    SJP mon_key
            CPI A,K_ENTER
            BZS ask_done
            CPI A,K_CL
            BZS ask_cancel
            CPI A,K_BREAK
            BZS ask_cancel
            CPI A,K_LEFT
            BZS ask_back
            SJP hex_value
            BCR ask_key
            STA (TEMP)
            LDA (DIGITS)
            BZR ask_more
            STA (VALUE)         ; the first digit replaces the address shown
            STA (VALUE+1)
ask_more:   CPI A,4
            BCS ask_key         ; four digits already: the others are ignored
            INC A
            STA (DIGITS)
            LDI UL,3
ask_shift_bit:
            LDA (VALUE+1)
            SHL
            STA (VALUE+1)
            LDA (VALUE)
            ROL
            STA (VALUE)
            LOP UL,ask_shift_bit
            LDA (VALUE+1)
            ORA (TEMP)
            STA (VALUE+1)
            BCH ask_draw
ask_back:   LDA (DIGITS)        ; takes back the last digit typed
            BZS ask_key
            DEC A
            STA (DIGITS)
            LDI UL,3
ask_back_bit:
            LDA (VALUE)
            SHR
            STA (VALUE)
            LDA (VALUE+1)
            ROR
            STA (VALUE+1)
            LOP UL,ask_back_bit
            BCH ask_draw
ask_done:   SEC
            RTN
ask_cancel: REC
            RTN
